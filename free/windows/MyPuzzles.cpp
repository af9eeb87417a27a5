// The window "Мои пазлы": the list of free puzzles and what can be done with each.
#include "free/windows/MyPuzzles.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "free/table/FreeClock.h"
#include "free/windows/PieceCounts.h"
#include "platform/MessageBox.h"

namespace {
constexpr QSize kThumbnail(160, 120);

QString PictureName(const TFreeListing& listing) { return QFileInfo(listing.Origin.Picture).completeBaseName(); }
}  // namespace

QString ListingText(const TFreeListing& listing) {
  if (!listing.Fault.isEmpty())
    return QString("Файл «%1» не прочесть\n%2").arg(QFileInfo(listing.Path).fileName(), listing.Fault);
  QStringList lines;
  lines << QString("«%1»: %2, %3 × %4")
               .arg(PictureName(listing), PiecesText(listing.Grid.Columns * listing.Grid.Rows))
               .arg(listing.Grid.Columns)
               .arg(listing.Grid.Rows);
  if (listing.PictureMissing) {
    lines << QString("Картинки «%1» больше нет: пазл можно только удалить.").arg(listing.Origin.Picture);
  } else if (listing.Finished) {
    lines << QString("Собран за %1").arg(ClockText(listing.Seconds));
  } else {
    lines << QString("Собрано %1 %, время %2").arg(listing.PercentJoined).arg(ClockText(listing.Seconds));
  }
  if (listing.LastPlayed.isValid())
    lines << QString("Играли %1").arg(listing.LastPlayed.toLocalTime().toString("dd.MM.yyyy hh:mm"));
  return lines.join('\n');
}

TMyPuzzles::TMyPuzzles(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Мои пазлы");
  list_ = new QListWidget(this);
  list_->setIconSize(kThumbnail);
  list_->setSpacing(4);
  list_->setMinimumSize(560, 420);
  connect(list_, &QListWidget::currentRowChanged, this, &TMyPuzzles::UpdateButtons);
  continue_ = new QPushButton("Продолжить", this);
  continue_->setDefault(true);
  again_ = new QPushButton("Начать заново", this);
  delete_ = new QPushButton("Удалить", this);
  auto* close = new QPushButton("Закрыть", this);
  connect(list_, &QListWidget::itemActivated, this, [this] {
    if (continue_->isEnabled()) continue_->click();
  });
  connect(continue_, &QPushButton::clicked, this, [this] {
    if (const TFreeListing* listing = Selected()) {
      const QString path = listing->Path;
      accept();
      emit ContinueChosen(path);
    }
  });
  connect(again_, &QPushButton::clicked, this, [this] {
    const TFreeListing* listing = Selected();
    if (!listing) return;
    const QString path = listing->Path;
    if (ShowMessageBox(QString("Начать пазл «%1» заново? Собранное пропадёт.").arg(PictureName(*listing)), "Мои пазлы",
                       TMsgIcon::Warning, TMsgButtons::YesNo) != TMsgResult::Yes)
      return;
    accept();
    emit AgainChosen(path);
  });
  connect(delete_, &QPushButton::clicked, this, &TMyPuzzles::DeleteSelected);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(continue_);
  buttons->addWidget(again_);
  buttons->addWidget(delete_);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  Refresh();
}

void TMyPuzzles::Refresh() {
  const TFreeListing* before = Selected();
  const QString selected = before ? before->Path : QString();
  listings_ = ListFreeSaves();
  const QSignalBlocker quiet(list_);
  list_->clear();
  int row = listings_.empty() ? -1 : 0;
  for (std::size_t i = 0; i < listings_.size(); ++i) {
    const TFreeListing& listing = listings_[i];
    QPixmap picture(kThumbnail);
    picture.fill(Qt::transparent);
    if (!listing.Thumbnail.isNull())
      picture = QPixmap::fromImage(listing.Thumbnail.scaled(kThumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    new QListWidgetItem(QIcon(picture), ListingText(listing), list_);
    if (listing.Path == selected) row = static_cast<int>(i);
  }
  if (listings_.empty()) {
    auto* none = new QListWidgetItem("Свободных пазлов пока нет. Начните первый в окне «Свободная сборка».", list_);
    none->setFlags(Qt::NoItemFlags);
  }
  list_->setCurrentRow(row);
  UpdateButtons();
}

void TMyPuzzles::Select(int row) { list_->setCurrentRow(row); }

const TFreeListing* TMyPuzzles::Selected() const {
  const int row = list_ ? list_->currentRow() : -1;
  return row >= 0 && row < static_cast<int>(listings_.size()) ? &listings_[row] : nullptr;
}

void TMyPuzzles::UpdateButtons() {
  const TFreeListing* listing = Selected();
  const bool playable = listing && listing->Fault.isEmpty() && !listing->PictureMissing;
  continue_->setEnabled(playable);
  again_->setEnabled(playable);
  delete_->setEnabled(listing != nullptr);
}

void TMyPuzzles::DeleteSelected() {
  const TFreeListing* listing = Selected();
  if (!listing) return;
  const QString name = listing->Fault.isEmpty() ? PictureName(*listing) : QFileInfo(listing->Path).fileName();
  if (ShowMessageBox(QString("Удалить пазл «%1»? Вернуть его будет нельзя.").arg(name), "Мои пазлы", TMsgIcon::Warning,
                     TMsgButtons::YesNo) != TMsgResult::Yes)
    return;
  RunReported([&] { DeleteFreeSave(listing->Path); });
  Refresh();
}
