// Pictures of the game for its README and metainfo, taken from the real windows: a level in play, a 10 × 10 level
// in play and the theme chooser. Run it from a copy of the program folder: the packs are unpacked and the levels are
// played there.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

#include "engine/PicPuzzle.h"
#include "pieces/RotLayer.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "ui/BonusForm.h"
#include "ui/FirstTips.h"
#include "ui/MainForm.h"
#include "ui/StoragePack.h"
#include "ui/TileBox.h"
#include "view/ImageView.h"

namespace {
constexpr int kLevel = 5;               // "standart" level 5: the board and the conveyor tray
constexpr int kPiecesTakenOff = 4;      // thumbnails the player has taken to the board
constexpr int kPiecesPlaced = 2;        // of those, pieces already locked in their places
constexpr int kThumbnailsLeft = 3;      // thumbnails still riding the tray in the picture
constexpr int kClockRunMs = 2500;       // the clock has counted down a little
constexpr QSize kWindowSize(720, 720);  // the window keeps itself square
constexpr int kBigLevel = 10;           // "Мир вокруг" level 10: 10 × 10 pieces
constexpr int kBigPiecesPlaced = 45;

TRotLayer* Layer(TImage32* view, int index) { return dynamic_cast<TRotLayer*>(view->Layers().Items(index)); }

bool InView(const TImage32* tray, const TRotLayer* thumbnail) {
  return thumbnail->Position().X >= 20 && thumbnail->Position().X < tray->width() - 60;
}

int ThumbnailsInView(TImage32* tray) {
  int n = 0;
  for (int i = 0; i < tray->Layers().Count(); ++i) n += InView(tray, Layer(tray, i));
  return n;
}

// Clicks the thumbnail nearest the tray's right end, which the player would save first.
void TakeThumbnail(TMainForm& form) {
  TImage32* tray = form.Im_list;
  int rightmost = -1;
  for (int i = 0; i < tray->Layers().Count(); ++i)
    if (InView(tray, Layer(tray, i)) &&
        (rightmost < 0 || Layer(tray, i)->Position().X > Layer(tray, rightmost)->Position().X))
      rightmost = i;
  if (rightmost < 0) return;
  const TFloatPoint at = Layer(tray, rightmost)->Position();
  tray->RepaintNow();
  QTest::mouseClick(tray, Qt::LeftButton, Qt::NoModifier, QPoint(qRound(at.X), qRound(at.Y)));
}

TRotLayer* LoosePiece(TImage32* board) {
  for (int i = 0; i < board->Layers().Count(); ++i)
    if (Layer(board, i)->Tag >= 0) return Layer(board, i);
  return nullptr;
}

// Drags a loose board piece so that its centre lands over its home, straightened first.
void PlaceHome(TMainForm& form, TRotLayer* piece) {
  const TPicClip& clip = Puzzle.Pic[piece->Tag];
  piece->BringToFront();
  piece->SetAngle(0);
  form.Image_Bkg->RepaintNow();
  const TFloatPoint at = piece->Position();
  const QPoint from = form.Image_Bkg->BitmapToControl(QPoint(qRound(at.X), qRound(at.Y)));
  const QPoint to = form.Image_Bkg->BitmapToControl(
      QPoint(qRound(clip.Left + clip.Width / 2.0f), qRound(clip.Top + clip.Height / 2.0f)));
  QTest::mousePress(form.Image_Bkg, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(form.Image_Bkg, (from + to) / 2);
  QTest::mouseMove(form.Image_Bkg, to);
  QTest::mouseRelease(form.Image_Bkg, Qt::LeftButton, Qt::NoModifier, to);
}

bool Save(QWidget* window, const QString& file) {
  QApplication::processEvents();
  if (window->grab().save(file)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
  return false;
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-screenshots OUTPUT-FOLDER  (writes level.png, big-level.png, chooser.png)\n");
    return 2;
  }
  const QDir output(QString::fromLocal8Bit(argv[1]));
  SetUpApplication();
  // Any box would stand in front of the picture; it is a failure of the run.
  QStringList messages;
  SetMessageBoxHook([&messages](const QString& text, const QString& caption, TMsgIcon, TMsgButtons) {
    messages << caption + ": " + text;
    return TMsgResult::No;
  });
  SeedRandom(2024);
  // The pictures show a level as a player who knows the game sees it, in a window of the pictures' own size.
  MarkAllTipsSeen();

  TMainForm mainForm;
  TBonusForm bonusForm(&mainForm);
  BonusForm = &bonusForm;
  TStoragePack storagePack(&bonusForm);
  StoragePack = &storagePack;
  mainForm.resize(kWindowSize);
  mainForm.daemon->start();
  mainForm.show();
  if (!QTest::qWaitForWindowExposed(&mainForm)) return 1;

  Puzzle.level = kLevel;
  mainForm.BmpButton1Click();
  Puzzle.Timer->stop();  // the conveyor moves only as far as the picture needs
  for (int tick = 0; tick < 400 && ThumbnailsInView(mainForm.Im_list) < kPiecesTakenOff + kThumbnailsLeft; ++tick) {
    Puzzle.TimerTick(Puzzle.Timer.get());
    if (Puzzle.GameStatus.IdStep != stPlaying) break;
  }
  for (int taken = 0; taken < kPiecesTakenOff; ++taken) TakeThumbnail(mainForm);
  for (int placed = 0; placed < kPiecesPlaced; ++placed)
    if (TRotLayer* piece = LoosePiece(mainForm.Image_Bkg)) PlaceHome(mainForm, piece);
  QTest::qWait(kClockRunMs);
  bool saved = Save(&mainForm, output.filePath("level.png"));

  Puzzle.Pack = QString::fromUtf8("Мир вокруг");
  Puzzle.level = kBigLevel;
  mainForm.BmpButton1Click();  // the level in play gives way to the new one
  for (int placed = 0; placed < kBigPiecesPlaced; ++placed)
    if (TRotLayer* piece = LoosePiece(mainForm.Image_Bkg)) PlaceHome(mainForm, piece);
  QTest::qWait(kClockRunMs);
  saved = Save(&mainForm, output.filePath("big-level.png")) && saved;

  storagePack.show();
  if (!QTest::qWaitForWindowExposed(&storagePack)) return 1;
  if (QObject* theme = storagePack.ScrollBox->findChild<QObject*>("Image0")) storagePack.ImageClick(theme);
  saved = Save(&storagePack, output.filePath("chooser.png")) && saved;
  storagePack.reject();

  for (const QString& message : messages) std::fprintf(stderr, "%s\n", qPrintable(message));
  return saved && messages.isEmpty() ? 0 : 1;
}
