// The bonus window: prices from the level's size, the star purchases, the chooser, the download, and its closing.
#include "ui/BonusForm.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <climits>

#include "engine/PicPuzzle.h"
#include "platform/Events.h"
#include "platform/MessageBox.h"
#include "ui/Anchors.h"
#include "ui/BackgroundPanel.h"
#include "ui/BonusButton.h"
#include "ui/Download.h"
#include "ui/MainForm.h"
#include "ui/PackList.h"
#include "ui/ResourcePicture.h"
#include "ui/StoragePack.h"

TBonusForm* BonusForm = nullptr;
TBonusClose mstate = msNothing;

namespace {
constexpr QSize kDesignClient(801, 514);
constexpr int kTitleHeight = 33;
constexpr int kAddedSeconds = 300;

QFont PixelFont(int pixels) {
  QFont font;
  font.setFamilies({"Tahoma", "DejaVu Sans Condensed", "DejaVu Sans"});
  font.setPixelSize(pixels);
  return font;
}

// The quotient rounded up, towards plus infinity.
qint64 CeilDiv(qint64 numerator, qint64 denominator) {
  const qint64 quotient = numerator / denominator;
  return quotient + (numerator % denominator > 0 ? 1 : 0);
}

// Tahoma is seldom installed; a wider stand-in font is made smaller until the label's text fits its design box.
void ShrinkToFit(QLabel* label) {
  QFont font = label->font();
  const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  while (font.pixelSize() > 8 &&
         !label->rect().contains(QFontMetrics(font).boundingRect(label->rect(), flags, label->text()))) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  label->setFont(font);
}

int ClampToInt(qint64 value) { return static_cast<int>(std::clamp<qint64>(value, INT_MIN, INT_MAX)); }

}  // namespace

TBonusPrices BonusPrices(int colCount, int rowCount) {
  const qint64 n10 = static_cast<qint64>(colCount) * rowCount * 10;
  return {ClampToInt(CeilDiv(n10, 4)), ClampToInt(CeilDiv(n10, 2))};
}

TBonusForm::TBonusForm(QWidget* parent) : QDialog(parent) {
  BonusForm = this;
  setModal(true);
  setWindowTitle(QString());
  setFont(PixelFont(12));
  setFixedSize(kDesignClient);
  BuildControls();
  FormCreate();
}

TBonusForm::~TBonusForm() {
  if (BonusForm == this) BonusForm = nullptr;
}

void TBonusForm::BuildControls() {
  Panel = new QWidget(this);
  Panel->setGeometry(rect());
  auto* anchors = new TAnchors(Panel, kDesignClient);
  auto place = [&](QWidget* control, QRect design, int anchoredTo = akLeft | akTop) {
    anchors->Add(control, design, anchoredTo);
    return control;
  };

  Background = new TBackgroundPanel(TBackgroundPanel::Tiled, Panel);
  place(Background, QRect(0, kTitleHeight, kDesignClient.width(), kDesignClient.height() - kTitleHeight), akAll);

  TitleLabel = new QLabel("Игровые бонусы", Panel);
  TitleLabel->setAlignment(Qt::AlignCenter);
  TitleLabel->setFont(PixelFont(27));
  TitleLabel->setAttribute(Qt::WA_TranslucentBackground);
  place(TitleLabel, QRect(0, 0, kDesignClient.width(), kTitleHeight), akLeft | akTop | akRight);

  auto makeButton = [&](const QString& caption, QRect design, int anchoredTo, const QIcon& icon,
                        void (TBonusForm::*handler)()) {
    auto* button = new TBonusButton(Panel);
    button->setText(caption);
    button->setFont(PixelFont(13));
    button->setIcon(icon);
    place(button, design, anchoredTo);
    connect(button, &TBonusButton::clicked, this, [this, handler] { RunReported([&] { (this->*handler)(); }); });
    return button;
  };
  QStyle* look = style();
  const QIcon star(QPixmap::fromImage(LoadResourcePicture(kStarPicture)));
  AddTimeButton = makeButton("Добавить 5 минут времени за 50 звезд", QRect(104, 56, 193, 41), akLeft | akTop,
                             look->standardIcon(QStyle::SP_MediaSeekForward), &TBonusForm::AddTimeButtonClick);
  SkipLevelButton = makeButton("Перейти на следующий уровень за 50 звезд", QRect(320, 56, 257, 41), akLeft | akTop,
                               look->standardIcon(QStyle::SP_MediaSkipForward), &TBonusForm::SkipLevelButtonClick);
  BonusStarButton = makeButton("Получить бонусную звезду", QRect(592, 56, 193, 41), akTop | akRight, star,
                               &TBonusForm::BonusStarButtonClick);
  DownloadButton = makeButton("Скачать доступные темы бесплатно", QRect(208, 104, 193, 41), akLeft | akTop,
                              look->standardIcon(QStyle::SP_ArrowDown), &TBonusForm::DownloadButtonClick);
  ChooseButton = makeButton("Выбрать тему и картинку", QRect(488, 104, 193, 41), akLeft | akTop,
                            look->standardIcon(QStyle::SP_DirOpenIcon), &TBonusForm::ChooseButtonClick);

  ProgressBar = new QProgressBar(Panel);
  ProgressBar->setRange(0, 100);
  ProgressBar->setValue(0);
  ProgressBar->setTextVisible(false);
  ProgressBar->setStyleSheet(
      "QProgressBar { border: none; background: rgba(255, 255, 255, 90); }"
      "QProgressBar::chunk { background: rgb(60, 140, 60); }");
  place(ProgressBar, QRect(104, 148, 673, 9));

  FileNameLabel = new QLabel("Имя файла с сохраненными результатами игры", Panel);
  FileNameLabel->setFont(PixelFont(13));
  FileNameLabel->setWordWrap(true);
  FileNameLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  FileNameLabel->setAttribute(Qt::WA_TranslucentBackground);
  place(FileNameLabel, QRect(104, 160, 168, 32));
  ShrinkToFit(FileNameLabel);

  // Shown but not editable: the saved game always goes to "puz.sav".
  FileNameEdit = new QLineEdit("puz.sav", Panel);
  FileNameEdit->setFont(PixelFont(19));
  FileNameEdit->setEnabled(false);
  place(FileNameEdit, QRect(352, 160, 193, 31));

  VersionLabel = new QLabel("ver 2.0", Panel);
  VersionLabel->setFont(PixelFont(21));
  VersionLabel->setAttribute(Qt::WA_TranslucentBackground);
  place(VersionLabel, QRect(616, 168, 64, 25));
  ShrinkToFit(VersionLabel);

  PackList = new TPackList(Panel);
  place(PackList, QRect(104, 204, 673, 244));

  OkButton = new QPushButton("Ок", Panel);
  place(OkButton, QRect(710, 456, 75, 40), akRight | akBottom);
  connect(OkButton, &QPushButton::clicked, this, [this] { RunReported([&] { OkButtonClick(); }); });
}

// Without its texture the panel keeps its plain colour.
void TBonusForm::FormCreate() { Background->SetPicture(QPixmap::fromImage(LoadResourcePicture(kPanelTexture))); }

void TBonusForm::FormActivate() {
  mstate = msNothing;
  const TBonusPrices prices = BonusPrices(Puzzle.ColCount, Puzzle.RowCount);
  AddTimeButton->Tag = prices.addTime;
  AddTimeButton->setText("Добавить 5 минут времени за " + QString::number(prices.addTime) + " звезд");
  SkipLevelButton->Tag = prices.skipLevel;
  SkipLevelButton->setText("Перейти на следующий уровень за " + QString::number(prices.skipLevel) + " звезд");
}

// The panel covers the whole client area, whatever frame the window system draws around it.
void TBonusForm::FormResize() {
  if (Panel) Panel->setGeometry(rect());
}

void TBonusForm::FormClose() {
  Puzzle.GameStatus.Fname = FileNameEdit->text();
  if (mstate == msStartChosenLevel && MainForm) RunReported([] { MainForm->BmpButton1Click(); });
  if (mstate == msWinLevel) RunReported([] { Puzzle.winGame(); });
}

void TBonusForm::SetStarButtonsEnabled(bool on) {
  for (TBonusButton* button : {AddTimeButton, SkipLevelButton, BonusStarButton}) button->setEnabled(on);
}

int TBonusForm::exec() {
  const int result = QDialog::exec();
  FormClose();
  return result;
}

void TBonusForm::AddTimeButtonClick() {
  const int price = AddTimeButton->Tag;
  if (Puzzle.GameStatus.Score < price) return;
  Puzzle.limtime += kAddedSeconds;
  Puzzle.GameStatus.Score -= price;
}

void TBonusForm::SkipLevelButtonClick() {
  const int price = SkipLevelButton->Tag;
  if (Puzzle.GameStatus.Score < price) return;
  hide();
  Puzzle.GameStatus.Score -= price;
  close();
  ProcessPendingEvents();
  mstate = msWinLevel;
}

void TBonusForm::BonusStarButtonClick() { Puzzle.GameStatus.Score += 1; }

void TBonusForm::ChooseButtonClick() {
  hide();
  int chosen = msChooserCancelled;
  if (StoragePack) {
    StoragePack->exec();
    chosen = StoragePack->Tag;
  }
  mstate = static_cast<TBonusClose>(chosen);
  close();
  ProcessPendingEvents();
}

void TBonusForm::DownloadButtonClick() { RunPackDownload(DownloadButton, ProgressBar, PackList); }

void TBonusForm::OkButtonClick() { close(); }

void TBonusForm::showEvent(QShowEvent* event) {
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
  FormActivate();
}

void TBonusForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  FormResize();
}
