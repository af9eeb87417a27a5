// Free assembly from the main window: its buttons on the start screen, the chooser with the completed levels'
// pictures, the list of free puzzles, and pictures opened with the game.
#include <QFileInfo>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelFolder.h"
#include "free/windows/FreeChooser.h"
#include "free/windows/FreeGames.h"
#include "free/windows/MyPuzzles.h"
#include "platform/FolderListing.h"
#include "platform/MessageBox.h"
#include "ui/Anchors.h"
#include "ui/MainForm.h"
#include "ui/ThemeList.h"

namespace {
// Every completed level's picture, in the order the theme chooser lists them.
std::vector<TFreeCandidate> CompletedPictures() {
  std::vector<TFreeCandidate> pictures;
  std::vector<TChooserLevel> levels;
  try {
    levels = ReadChooserLevels();
  } catch (const std::exception&) {
    return pictures;  // a broken level file keeps its pictures out of the offer, not the window shut
  }
  const QString folder = LevelDataFolder();
  for (const TChooserLevel& level : levels) {
    if (!IsPictureCompleted(level.id, Puzzle.CompletePuzzle)) continue;
    const QString file = MatchFileName(folder, level.id + ".jpg");
    if (!QFileInfo::exists(folder + file)) continue;
    pictures.push_back({QString("%1, уровень %2").arg(level.pack).arg(level.level), folder + file});
  }
  return pictures;
}
}  // namespace

void TMainForm::BuildFreeButtons() {
  freeGames_ = std::make_unique<TFreeGames>();
  auto makeButton = [&](const QString& caption, const QString& tip, QRect place) {
    auto* button = new QPushButton(caption, Panel);
    button->setFocusPolicy(Qt::NoFocus);
    QFont font = button->font();
    font.setPixelSize(14);
    font.setBold(true);
    button->setFont(font);
    button->setToolTip(tip);
    panelAnchors_->Add(button, place, akBottom);
    return button;
  };
  // In the tray's place, which stays empty until a level starts.
  FreeButton = makeButton("Свободная сборка", "Любая картинка, от 12 до 1000 деталей, без часов и звёзд",
                          QRect(150, 562, 190, 41));
  MyPuzzlesButton = makeButton("Мои пазлы", "Начатые и собранные свободные пазлы", QRect(358, 562, 190, 41));
  connect(FreeButton, &QPushButton::clicked, this, [this] { RunReported([&] { FreeButtonClick(); }); });
  connect(MyPuzzlesButton, &QPushButton::clicked, this, [this] { RunReported([&] { MyPuzzlesButtonClick(); }); });
}

void TMainForm::ShowFreeButtons() {
  const int step = Puzzle.GameStatus.IdStep;
  const bool shown = !Im_list->isVisible() && step != stPlaying && step != stPaused;
  FreeButton->setVisible(shown);
  MyPuzzlesButton->setVisible(shown);
}

TFreeChooser* TMainForm::FreeButtonClick() {
  if (chooser_) chooser_->close();
  auto* chooser = new TFreeChooser(CompletedPictures(), this);
  chooser->setAttribute(Qt::WA_DeleteOnClose);
  connect(chooser, &TFreeChooser::StartChosen, this,
          [this](const TFreeOrigin& origin, bool guide) { FreeGames().Start(origin, guide); });
  chooser_ = chooser;
  chooser->show();
  return chooser;
}

TMyPuzzles* TMainForm::MyPuzzlesButtonClick() {
  auto* list = new TMyPuzzles(this);
  list->setAttribute(Qt::WA_DeleteOnClose);
  connect(list, &TMyPuzzles::ContinueChosen, this, [this](const QString& path) { FreeGames().Resume(path); });
  connect(list, &TMyPuzzles::AgainChosen, this, [this](const QString& path) { FreeGames().StartAgain(path); });
  connect(&FreeGames(), &TFreeGames::PuzzlesChanged, list, &TMyPuzzles::Refresh);
  list->show();
  return list;
}

TFreeChooser* TMainForm::OfferPictures(const QStringList& paths) {
  if (paths.isEmpty()) return nullptr;
  TFreeChooser* chooser = FreeButtonClick();
  chooser->ChoosePicture(paths.front());
  chooser->OfferLevel(true);
  connect(chooser, &TFreeChooser::LevelChosen, this, [this, paths] { RunReported([&] { OpenPictures(paths); }); });
  return chooser;
}
