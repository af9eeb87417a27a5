// The window "Свободная сборка": the picture from a file, a drop or a completed level, and the puzzle's choices.
#include "free/windows/FreeChooser.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "free/puzzle/FreeGrid.h"
#include "platform/PictureFile.h"
#include "platform/PictureRefusal.h"
#include "platform/Random.h"

namespace {
constexpr QSize kPreview(360, 270);
constexpr QSize kThumbnail(96, 72);
constexpr int kFileRole = Qt::UserRole;
// The count a first puzzle is offered at: big enough to be a jigsaw, small enough to finish in one sitting.
constexpr int kUsualCount = 100;

QIcon Thumbnail(const QImage& picture) {
  return QIcon(QPixmap::fromImage(picture.scaled(kThumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}
}  // namespace

TFreeChooser::TFreeChooser(const std::vector<TFreeCandidate>& candidates, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Свободная сборка");
  setAcceptDrops(true);

  pictures_ = new QListWidget(this);
  pictures_->setViewMode(QListView::IconMode);
  pictures_->setIconSize(kThumbnail);
  pictures_->setResizeMode(QListView::Adjust);
  pictures_->setMovement(QListView::Static);
  pictures_->setWordWrap(true);
  pictures_->setGridSize(QSize(kThumbnail.width() + 24, kThumbnail.height() + 40));
  pictures_->setMinimumWidth(3 * (kThumbnail.width() + 24) + 24);
  for (const TFreeCandidate& candidate : candidates) {
    QImage small;
    try {
      small = LoadPicture(candidate.File, kThumbnail);
    } catch (const TPictureRefusal&) {
      continue;  // a level picture gone bad is simply not offered
    }
    auto* item = new QListWidgetItem(Thumbnail(small), candidate.Name, pictures_);
    item->setData(kFileRole, candidate.File);
    item->setToolTip(candidate.Name);
  }
  connect(pictures_, &QListWidget::currentRowChanged, this, &TFreeChooser::ShowCandidate);
  auto* browse = new QPushButton("Выбрать файл…", this);
  connect(browse, &QPushButton::clicked, this, &TFreeChooser::BrowseFiles);
  auto* hint = new QLabel("Картинку можно и перетащить в это окно.", this);
  hint->setWordWrap(true);

  preview_ = new QLabel(this);
  preview_->setFixedSize(kPreview);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  preview_->setText("Выберите картинку");
  fault_ = new QLabel(this);
  fault_->setWordWrap(true);
  fault_->setStyleSheet("color: #a01010;");
  fault_->hide();
  counts_ = new QComboBox(this);
  turned_ = new QCheckBox("Детали повёрнуты", this);
  guide_ = new QCheckBox("Бледная картинка в рамке", this);
  guide_->setChecked(true);
  start_ = new QPushButton("Начать", this);
  start_->setDefault(true);
  start_->setEnabled(false);
  connect(start_, &QPushButton::clicked, this, &TFreeChooser::Start);
  level_ = new QPushButton("Уровень «Мои картинки»", this);
  level_->setToolTip("Сыграть эту картинку уровнем игры, как раньше");
  level_->hide();
  connect(level_, &QPushButton::clicked, this, [this] {
    if (picture_.isEmpty()) return;
    emit LevelChosen(picture_);
    accept();
  });

  auto* left = new QVBoxLayout;
  left->addWidget(pictures_, 1);
  left->addWidget(browse);
  left->addWidget(hint);
  auto* right = new QVBoxLayout;
  right->addWidget(preview_);
  right->addWidget(fault_);
  right->addWidget(new QLabel("Сколько деталей:", this));
  right->addWidget(counts_);
  right->addWidget(turned_);
  right->addWidget(guide_);
  right->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(level_);
  buttons->addStretch(1);
  buttons->addWidget(start_);
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right);
}

bool TFreeChooser::ChoosePicture(const QString& file) {
  QImage picture;
  QString fault;
  {
    // A photo of many megapixels takes a moment to read.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
      picture = LoadPicture(file, QSize(kLongestFreePicture, kLongestFreePicture));
    } catch (const TPictureRefusal& e) {
      fault = QString::fromUtf8(e.what());
    }
    QApplication::restoreOverrideCursor();
  }
  std::vector<TPieceCountChoice> choices;
  if (fault.isEmpty()) {
    choices = PieceCountChoices(picture.size());
    if (choices.empty())
      fault = QString("Картинка «%1» слишком мала даже для %2.")
                  .arg(QFileInfo(file).fileName(), PiecesText(kFewestFreePieces));
  }
  if (!fault.isEmpty()) {
    // Nothing stays chosen, so "Начать" never starts a picture other than the one in sight.
    picture_.clear();
    choices_.clear();
    counts_->clear();
    start_->setEnabled(false);
    preview_->setPixmap(QPixmap());
    preview_->setText("Эта картинка не подходит");
    fault_->setText(fault);
    fault_->show();
    return false;
  }
  fault_->hide();
  picture_ = QFileInfo(file).absoluteFilePath();
  choices_ = std::move(choices);
  preview_->setPixmap(QPixmap::fromImage(picture.scaled(kPreview, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  counts_->clear();
  int usual = 0;
  for (std::size_t i = 0; i < choices_.size(); ++i) {
    counts_->addItem(choices_[i].Text);
    if (choices_[i].Pieces <= kUsualCount) usual = static_cast<int>(i);
  }
  counts_->setCurrentIndex(usual);
  start_->setEnabled(true);

  // The chosen file stands first in the list, selected, without reading it again.
  for (int row = 0; row < pictures_->count(); ++row)
    if (pictures_->item(row)->data(kFileRole).toString() == picture_) {
      const QSignalBlocker quiet(pictures_);
      pictures_->setCurrentRow(row);
      return true;
    }
  auto* item = new QListWidgetItem(Thumbnail(picture), QFileInfo(file).completeBaseName());
  item->setData(kFileRole, picture_);
  item->setToolTip(picture_);
  pictures_->insertItem(0, item);
  const QSignalBlocker quiet(pictures_);
  pictures_->setCurrentRow(0);
  return true;
}

void TFreeChooser::OfferLevel(bool offer) { level_->setVisible(offer); }

void TFreeChooser::ChooseCount(int index) { counts_->setCurrentIndex(index); }
void TFreeChooser::SetTurned(bool turned) { turned_->setChecked(turned); }
void TFreeChooser::SetGuide(bool shown) { guide_->setChecked(shown); }

void TFreeChooser::ShowCandidate(int row) {
  if (row < 0) return;
  ChoosePicture(pictures_->item(row)->data(kFileRole).toString());
}

void TFreeChooser::BrowseFiles() {
  QStringList patterns;
  for (const QString& suffix : PictureFileSuffixes()) patterns << "*." + suffix;
  const QString file = QFileDialog::getOpenFileName(this, "Картинка для сборки",
                                                    QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                                                    QString("Картинки (%1)").arg(patterns.join(' ')));
  if (!file.isEmpty()) ChoosePicture(file);
}

void TFreeChooser::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedPictures(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TFreeChooser::dropEvent(QDropEvent* event) {
  const QString file = DroppedPictures(event->mimeData()).value(0);
  if (file.isEmpty()) return;
  event->acceptProposedAction();
  ChoosePicture(file);
}

void TFreeChooser::Start() {
  const int index = counts_->currentIndex();
  if (picture_.isEmpty() || index < 0 || index >= static_cast<int>(choices_.size())) return;
  const auto seed = static_cast<std::uint32_t>(Random(0x7FFFFFFF));
  emit StartChosen(TFreeOrigin{picture_, choices_[index].Pieces, turned_->isChecked(), seed}, guide_->isChecked());
  accept();
}
