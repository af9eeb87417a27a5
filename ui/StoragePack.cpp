// The theme and picture chooser: theme tiles, the chosen theme's pictures, buying one for 40 stars.
#include "ui/StoragePack.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QVariant>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelFolder.h"
#include "platform/Events.h"
#include "platform/FolderListing.h"
#include "platform/MessageBox.h"
#include "platform/PictureFile.h"
#include "platform/ProgramFolder.h"
#include "ui/ResourcePicture.h"
#include "ui/ThemeList.h"
#include "ui/TileBox.h"
#include "view/ImageView.h"

TStoragePack* StoragePack = nullptr;

namespace {
// The upper box shows one whole row of theme tiles with their names; both boxes are as wide as three theme
// columns plus a vertical scroll bar, so nothing ever needs a horizontal one.
constexpr int kMargin = 8;
constexpr int kThemeBoxHeight = 244;
constexpr int kPictureBoxHeight = 153;
constexpr int kBoxGap = 4;
constexpr int kThemeColumns = 3;
constexpr int kPicturePrice = 40;
constexpr int kFadedAlpha = 50;
constexpr int kBlinkMs = 500;
constexpr QSize kThemeTile(200, 200);
constexpr int kThemeLabelHeight = 40;
constexpr int kThemeStepX = 210;
// A tile and its name take 240 pixels; the next row starts below the name.
constexpr int kThemeStepY = 250;
constexpr int kThemeFontSize = 14;
constexpr int kSmallestThemeFontSize = 8;
constexpr QSize kPictureTile(60, 60);
constexpr int kPictureLabelHeight = 40;
constexpr int kPictureStepX = 70;
constexpr int kPictureStepY = 120;
// The lower box's gradient at mid height: a faded picture blends into it.
constexpr std::uint32_t kPictureBackColor = 0x00B5DDE8;  // 0x00BBGGRR: red 232, green 221, blue 181

const char* const kHintProperty = "Hint";

// A tile whose picture is missing or unreadable still shows where the level is.
QImage PlaceholderPicture(QSize size) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(QColor(196, 186, 164));
  QPainter painter(&image);
  painter.setPen(QPen(QColor(120, 104, 80), 2));
  painter.drawRect(QRect(QPoint(0, 0), size).adjusted(1, 1, -2, -2));
  QFont font;
  font.setPixelSize(size.height() / 2);
  painter.setFont(font);
  painter.drawText(image.rect(), Qt::AlignCenter, "?");
  return image;
}

QImage TilePicture(const QString& id, QSize size) {
  try {
    const QImage picture = LoadPicture(LevelDataFolder() + MatchFileName(LevelDataFolder(), id + ".jpg"), size);
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  } catch (const std::exception&) {
    return PlaceholderPicture(size);
  }
}

// A long theme name gets a smaller font rather than losing its end.
int ThemeFontSize(const QFont& base, const QString& name, QSize box) {
  QFont font = base;
  for (int size = kThemeFontSize; size > kSmallestThemeFontSize; --size) {
    font.setPointSize(size);
    const QRect needed =
        QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), box), Qt::AlignCenter | Qt::TextWordWrap, name);
    if (needed.width() <= box.width() && needed.height() <= box.height()) return size;
  }
  return kSmallestThemeFontSize;
}

// The k-th tile of a box, k from 0: as many columns as fit beside the vertical scroll bar.
QPoint GridPlace(const TTileBox* box, int k, QSize tile, QSize step) {
  const int columns = std::max(1, (box->TileWidth() - tile.width()) / step.width() + 1);
  return QPoint(k % columns * step.width(), k / columns * step.height());
}
}  // namespace

QStringList TileHint(const QObject* tile) {
  return tile ? tile->property(kHintProperty).toStringList() : QStringList();
}

TStoragePack::TStoragePack(QWidget* parent) : QDialog(parent) {
  StoragePack = this;
  setModal(true);
  setWindowTitle("Темы с картинками");
  QFont font;
  font.setFamilies({"Tahoma", "DejaVu Sans"});
  setFont(font);
  ScrollBox = new TTileBox(TTileBox::Texture, this);
  const int boxWidth = (kThemeColumns - 1) * kThemeStepX + kThemeTile.width() + ScrollBox->ScrollBarWidth();
  setFixedSize(boxWidth + 2 * kMargin, kThemeBoxHeight + kPictureBoxHeight + kBoxGap + 2 * kMargin);
  ScrollBox->setGeometry(kMargin, kMargin, boxWidth, kThemeBoxHeight);
  // Without its texture the box keeps its plain colour.
  ScrollBox->SetTexture(QPixmap::fromImage(LoadResourcePicture(kPanelTexture)));
  ScrollBox1 = new TTileBox(TTileBox::Gradient, this);
  ScrollBox1->setGeometry(kMargin, kMargin + kThemeBoxHeight + kBoxGap, boxWidth, kPictureBoxHeight);
}

TStoragePack::~TStoragePack() {
  if (StoragePack == this) StoragePack = nullptr;
}

void TStoragePack::showEvent(QShowEvent* event) {
  // Centred on the desktop, not over the bonus window, which hides itself before showing this one.
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
  RunReported([this] { FormShow(); });
  FormActivate();
}

void TStoragePack::done(int result) {
  QDialog::done(result);
  FormClose();
}

void TStoragePack::FormActivate() { Tag = -1; }

void TStoragePack::FormShow() {
  const std::vector<TChooserLevel> themes = BuildThemeList(ReadChooserLevels());
  int n = 0;
  for (const TChooserLevel& theme : themes) {
    const QPoint at = GridPlace(ScrollBox, n, kThemeTile, QSize(kThemeStepX, kThemeStepY));
    TImage32* image = AddTile(ScrollBox, "Image" + QString::number(n), QRect(at, kThemeTile), theme.id);
    const QSize labelSize(kThemeTile.width(), kThemeLabelHeight);
    AddLabel(ScrollBox, "Label" + QString::number(n), QRect(at + QPoint(0, kThemeTile.height()), labelSize), theme.pack,
             ThemeFontSize(font(), theme.pack, labelSize));
    image->setProperty(kHintProperty, QStringList{theme.id, theme.pack});
    image->OnClick = [this](QObject* sender) { RunReported([&] { ImageClick(sender); }); };
    ++n;
  }
  ScrollBox->FitTiles();
}

void TStoragePack::ImageClick(QObject* Sender) {
  FreeTiles("picture", "description");
  const QStringList theme = TileHint(Sender);
  if (theme.size() < 2) return;
  const QString& pack = theme[1];
  int n = 0;
  for (const TChooserLevel& level : ReadChooserLevels()) {
    if (level.pack != pack) continue;
    const QString k = QString::number(level.k);
    const QPoint at = GridPlace(ScrollBox1, n++, kPictureTile, QSize(kPictureStepX, kPictureStepY));
    TImage32* image = AddTile(ScrollBox1, "picture" + k, QRect(at, kPictureTile), level.id);
    image->SetColor(kPictureBackColor);
    image->Bitmap().SetDrawMode(dmBlend);
    AddLabel(ScrollBox1, "description" + k,
             QRect(at + QPoint(0, kPictureTile.height()), QSize(kPictureTile.width(), kPictureLabelHeight)),
             "Открыть за 40 звездочек", 8);
    if (IsPictureCompleted(level.id, Puzzle.CompletePuzzle)) {
      image->Bitmap().SetMasterAlpha(kFadedAlpha);
    } else {
      image->setProperty(kHintProperty, QStringList{level.id, level.pack, QString::number(level.level)});
      image->OnClick = [this](QObject* sender) { RunReported([&] { PictureClick(sender); }); };
    }
  }
  ScrollBox1->FitTiles();
}

void TStoragePack::PictureClick(QObject* Sender) {
  auto* tile = qobject_cast<TImage32*>(Sender);
  const QStringList hint = TileHint(Sender);
  // A second click while the first purchase blinks would pay twice.
  if (!tile || hint.size() < 3 || buying_) return;
  if (Puzzle.GameStatus.Score < kPicturePrice) {
    Tag = -1;
    return;
  }
  buying_ = true;
  Puzzle.GameStatus.Score -= kPicturePrice;
  Puzzle.level = hint[2].toInt();
  tile->Bitmap().SetDrawMode(dmBlend);
  tile->Bitmap().SetMasterAlpha(kFadedAlpha);
  ProcessPendingEvents();
  QThread::msleep(kBlinkMs);
  ProcessPendingEvents();
  tile->Bitmap().SetMasterAlpha(255);
  Puzzle.Pack = hint[1];
  Puzzle.GameStatus.IdStep = stIdle;
  Tag = 1;
  buying_ = false;
  close();
}

void TStoragePack::FormClose() {
  FreeTiles("Image", "Label");
  FreeTiles("picture", "description");
}

TImage32* TStoragePack::AddTile(TTileBox* box, const QString& name, QRect rect, const QString& id) {
  auto* image = new TImage32(box->Tiles());
  image->setObjectName(name);
  image->setGeometry(rect);
  image->SetScaleMode(smStretch);
  image->Bitmap().AssignImage(TilePicture(id, rect.size()));
  image->setCursor(Qt::PointingHandCursor);
  image->show();
  return image;
}

void TStoragePack::AddLabel(TTileBox* box, const QString& name, QRect rect, const QString& caption, int pointSize) {
  auto* label = new QLabel(caption, box->Tiles());
  label->setObjectName(name);
  label->setGeometry(rect);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignCenter);
  label->setAttribute(Qt::WA_TranslucentBackground);
  QFont font = label->font();
  font.setPointSize(pointSize);
  label->setFont(font);
  label->show();
}

// Tiles are unhooked at once but deleted later: the tile that was clicked may still be inside its own handler.
void TStoragePack::FreeTiles(const QString& imageName, const QString& labelName) {
  for (TImage32* image : findChildren<TImage32*>())
    if (image->objectName().contains(imageName)) {
      image->OnClick = nullptr;
      image->hide();
      image->setParent(nullptr);
      image->deleteLater();
    }
  for (QLabel* label : findChildren<QLabel*>())
    if (label->objectName().contains(labelName)) {
      label->hide();
      label->setParent(nullptr);
      label->deleteLater();
    }
}
