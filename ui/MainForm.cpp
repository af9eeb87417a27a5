// The main window: its controls at their design places, start-up, resizing, closing and the wheel.
#include "ui/MainForm.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QStringList>
#include <QWheelEvent>
#include <QWindow>
#include <optional>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelPacks.h"
#include "free/windows/FreeGames.h"
#include "platform/Events.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBox.h"
#include "platform/PlayerSettings.h"
#include "ui/Anchors.h"
#include "ui/BackgroundPanel.h"
#include "ui/FirstTips.h"
#include "ui/RaisedLabel.h"
#include "ui/ResourcePicture.h"
#include "ui/TipPanel.h"
#include "ui/WindowPlacement.h"
#include "view/ImageView.h"

TMainForm* MainForm = nullptr;

namespace {
constexpr QSize kDesignClient(711, 620);
constexpr QSize kDesignPanel(705, 617);
constexpr QSize kDesignGroupBox(585, 513);
constexpr int kMinimumSide = 548;
constexpr std::uint32_t kBoardColor = 11191504;
constexpr int kHintPrice = 15;

QFont PixelFont(int pixels, bool bold) {
  QFont font("DejaVu Sans");
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// The main window also lists what it could not read, to tell the player once.
QImage LoadPicture(const QString& relativeName, QStringList* missing) {
  QImage image = LoadResourcePicture(relativeName);
  if (image.isNull()) missing->append(relativeName);
  return image;
}

QPixmap LoadArt(const QString& relativeName, QStringList* missing) {
  return QPixmap::fromImage(LoadPicture(relativeName, missing));
}
}  // namespace

TMainForm::TMainForm(QWidget* parent) : QWidget(parent) {
  MainForm = this;
  setWindowTitle("KAVRIN Настольный Пазл");
  setFont(PixelFont(12, false));
  resize(SquareSize(kDesignClient));
  setAcceptDrops(true);
  setFocusPolicy(Qt::StrongFocus);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  BuildControls();
  FormCreate();
  Puzzle.OnLevelStarted = [this] { ShowFirstTips(); };
  RestorePlacement();
}

TMainForm::~TMainForm() {
  Puzzle.OnLevelStarted = nullptr;
  if (MainForm == this) MainForm = nullptr;
}

void TMainForm::BuildControls() {
  Table = new TBackgroundPanel(TBackgroundPanel::Tiled, this);
  Table->setGeometry(rect());
  Panel = new QWidget(this);
  Panel->setGeometry(QRect(QPoint(0, 0), kDesignPanel));
  panelAnchors_ = new TAnchors(Panel, kDesignPanel);

  Background1 = new TBackgroundPanel(TBackgroundPanel::Tiled, Panel);
  panelAnchors_->Add(Background1, QRect(QPoint(0, 0), kDesignPanel), akAll);

  auto makePictureButton = [&](const QString& caption, QRect place) {
    auto* button = new TBmpButton(Panel);
    button->setText(caption);
    button->setFont(PixelFont(11, true));
    panelAnchors_->Add(button, place, akLeft | akTop);
    return button;
  };
  BmpButton1 = makePictureButton("Начать", QRect(0, 5, 81, 49));
  BmpButton2 = makePictureButton("Пауза", QRect(79, 5, 81, 49));
  BmpButton3 = makePictureButton("Игр. Бонусы", QRect(160, 5, 81, 49));
  BmpButton4 = makePictureButton("Подск. 15 зв.", QRect(240, 5, 81, 49));
  BmpButton4->Tag = kHintPrice;
  BmpButton5 = makePictureButton("Звук", QRect(320, 5, 81, 49));

  ClockLabel = new TRaisedLabel(Panel);
  ClockLabel->setFont(PixelFont(29, true));
  ClockLabel->setText("0:0");
  panelAnchors_->Add(ClockLabel, QRect(410, 5, 152, 53), akLeft | akTop | akRight);

  RzBackground1 = new QLabel(Panel);
  RzBackground1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  RzBackground1->setLineWidth(2);
  RzBackground1->setAlignment(Qt::AlignCenter);
  panelAnchors_->Add(RzBackground1, QRect(568, 4, 73, 49), akTop | akRight);

  ScoreLabel = new QLabel("0", Panel);
  ScoreLabel->setFont(PixelFont(19, true));
  ScoreLabel->setAlignment(Qt::AlignCenter);
  panelAnchors_->Add(ScoreLabel, QRect(632, 2, 65, 49), akTop | akRight);

  GroupBox = new QGroupBox(Panel);
  GroupBox->setStyleSheet(
      "QGroupBox { border: 2px groove rgba(60, 40, 20, 160); border-radius: 4px; margin-top: 0px; }");
  panelAnchors_->Add(GroupBox, QRect(QPoint(56, 56), kDesignGroupBox), akAll);
  groupAnchors_ = new TAnchors(GroupBox, kDesignGroupBox);

  Image_Bkg = new TImage32(GroupBox);
  Image_Bkg->SetScaleMode(smResize);
  Image_Bkg->SetBitmapAlign(baCenter);
  Image_Bkg->Bitmap().SetDrawMode(dmBlend);
  groupAnchors_->Add(Image_Bkg, QRect(1, 8, 581, 489), akAll);

  PanelMsg = new QWidget(GroupBox);
  groupAnchors_->Add(PanelMsg, QRect(104, 88, 401, 321), 0);
  BackgroundMsg = new TBackgroundPanel(TBackgroundPanel::Stretched, PanelMsg);
  BackgroundMsg->setGeometry(0, 0, 401, 321);
  MsgLabel = new QLabel(PanelMsg);
  MsgLabel->setGeometry(0, 0, 401, 321);
  MsgLabel->setFont(PixelFont(13, true));
  MsgLabel->setStyleSheet("color: black; background: transparent;");
  MsgLabel->setAlignment(Qt::AlignCenter);
  MsgLabel->setWordWrap(true);
  MsgLabel->setMargin(10);
  MsgLabel->setCursor(Qt::PointingHandCursor);
  MsgLabel->installEventFilter(this);
  MsgLabel->hide();
  PanelMsg->hide();

  Im_list = new TImage32(Panel);
  Im_list->SetScaleMode(smStretch);
  Im_list->SetBitmapAlign(baTopLeft);
  Im_list->Bitmap().SetDrawMode(dmBlend);
  Im_list->SetColor(0x00504A44);
  panelAnchors_->Add(Im_list, QRect(56, 552, 585, 59), akLeft | akRight | akBottom);
  Im_list->hide();

  auto makeTurnButton = [&](QRect place, int anchor, auto handler) {
    auto* button = new QPushButton(Panel);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(QSize(44, 44));
    panelAnchors_->Add(button, place, anchor);
    connect(button, &QPushButton::clicked, this, [this, handler] { RunReported([&] { (this->*handler)(); }); });
    return button;
  };
  RzBitBtn1 = makeTurnButton(QRect(0, 236, 57, 57), akLeft, &TMainForm::RzBitBtn1Click);
  RzBitBtn2 = makeTurnButton(QRect(0, 301, 57, 57), akLeft, &TMainForm::RzBitBtn2Click);
  RzBitBtn3 = makeTurnButton(QRect(640, 236, 57, 57), akRight, &TMainForm::RzBitBtn3Click);
  RzBitBtn4 = makeTurnButton(QRect(640, 301, 57, 57), akRight, &TMainForm::RzBitBtn4Click);

  // In the corner left of the tray, where the design has nothing.
  HelpButton = new QPushButton("?", Panel);
  HelpButton->setFocusPolicy(Qt::NoFocus);
  HelpButton->setFont(PixelFont(22, true));
  HelpButton->setToolTip("Как играть (F1)");
  panelAnchors_->Add(HelpButton, QRect(8, 562, 41, 41), akLeft | akBottom);
  connect(HelpButton, &QPushButton::clicked, this, [this] { RunReported([&] { HelpButtonClick(); }); });

  TipPanel = new TTipPanel(this);
  connect(TipPanel, &TTipPanel::Dismissed, this, [this](int index) {
    if (index < static_cast<int>(tipsShown_.size())) MarkTipSeen(tipsShown_[index]);
  });
  connect(TipPanel, &TTipPanel::Finished, this, [] { Puzzle.HoldClock(false); });
  BuildFreeButtons();

  const std::pair<TBmpButton*, void (TMainForm::*)()> clicks[] = {{BmpButton1, &TMainForm::BmpButton1Click},
                                                                  {BmpButton2, &TMainForm::BmpButton2Click},
                                                                  {BmpButton3, &TMainForm::BmpButton3Click},
                                                                  {BmpButton4, &TMainForm::BmpButton4Click},
                                                                  {BmpButton5, &TMainForm::BmpButton5Click}};
  for (const auto& [button, handler] : clicks)
    connect(button, &TBmpButton::clicked, this, [this, handler] { RunReported([&] { (this->*handler)(); }); });

  daemon = new QTimer(this);
  daemon->setInterval(100);
  connect(daemon, &QTimer::timeout, this, [this] { RunReported([&] { daemonTimer(); }); });
}

// A missing picture is told to the player once; the window goes on without it.
void TMainForm::LoadPictures() {
  QStringList missing;
  const QImage start = LoadPicture(kDefaultPicture, &missing);
  if (!start.isNull()) Image_Bkg->Bitmap().AssignImage(start);
  Image_Bkg->SetColor(kBoardColor);
  BackgroundMsg->SetPicture(QPixmap::fromImage(LoadPicture(kMessagePanelPicture, &missing)));
  const QPixmap wood = QPixmap::fromImage(LoadPicture(kPanelTexture, &missing));
  Background1->SetPicture(wood);
  Table->SetPicture(wood);

  const QPixmap grey = LoadArt("resources/ui/button_grey.png", &missing);
  const QPixmap greyDown = LoadArt("resources/ui/button_grey_down.png", &missing);
  const QPixmap yellow = LoadArt("resources/ui/button_yellow.png", &missing);
  const QPixmap yellowDown = LoadArt("resources/ui/button_yellow_down.png", &missing);
  for (TBmpButton* button : {BmpButton1, BmpButton3, BmpButton4}) button->SetFaces(grey, yellowDown, yellow);
  for (TBmpButton* button : {BmpButton2, BmpButton5}) button->SetFaces(yellow, greyDown);
  RzBackground1->setPixmap(LoadArt(kStarPicture, &missing));

  const std::pair<QPushButton*, const char*> turns[] = {{RzBitBtn1, "resources/ui/turn_left10.png"},
                                                        {RzBitBtn2, "resources/ui/turn_left1.png"},
                                                        {RzBitBtn3, "resources/ui/turn_right10.png"},
                                                        {RzBitBtn4, "resources/ui/turn_right1.png"}};
  for (const auto& [button, file] : turns) button->setIcon(QIcon(LoadArt(file, &missing)));
  setWindowIcon(QIcon(LoadArt("resources/ui/icon.png", &missing)));

  if (!missing.isEmpty())
    ReportOnce("resources", "Не найдены файлы оформления игры; игра продолжится без них:\n" + missing.join("\n"));
}

void TMainForm::FormCreate() {
  LoadPictures();
  RunReported([] { Puzzle.CheckPack(); });
  Puzzle.Create(Image_Bkg, Im_list);
  Puzzle.GameStatus.Fname = "puz.sav";
  int loaded = 0;
  RunReported([&] { loaded = Puzzle.LoadStateGame(); });
  if (loaded == 1 && Puzzle.HoldsLevelToResume()) {
    Puzzle.GameStatus.IdStep = stSavedGameWaiting;
    BmpButton1->setText("Продолжить");
    BmpButton1->Tag = 1;
  } else if (loaded == 1) {
    // Nothing to go on with, but the stars, the theme and the completed pictures stay.
    Puzzle.ReleasePieces();
    Puzzle.GameStatus.IdStep = stIdle;
    Puzzle.GameStatus.msg = "null";
    BmpButton1->setText("Начать");
    BmpButton1->Tag = 0;
  } else {
    Puzzle.level = 0;
    Puzzle.GameStatus.Score = 100;
    Puzzle.Pack = "standart";
    BmpButton1->setText("Начать");
    BmpButton1->Tag = 0;
  }
}

QSize TMainForm::SquareSize(QSize size) {
  const int side = std::max({size.width(), size.height(), kMinimumSide});
  return QSize(side, side);
}

void TMainForm::FormResize() {
  // Maximised or full screen the window is not square: the panel is, in the middle, on the table's wood.
  if (!isFullScreen() && !isMaximized()) {
    const QSize square = FitSquare(size(), ClientRoom(screen(), FrameMargins()));
    if (square != size()) resize(square);
    if (isVisible() && screen()) {
      const QRect frame(frameGeometry().topLeft(), square.grownBy(FrameMargins()));
      const QPoint inside = KeepInside(frame, screen()->availableGeometry());
      if (inside != frame.topLeft()) move(inside);
    }
  }
  const QRect panel = CentredSquare(rect());
  Puzzle.GameStatus.ParentWidth = panel.width();
  Puzzle.GameStatus.ParentHeight = panel.height();
  Panel->setGeometry(panel);
  Table->setGeometry(rect());
  if (TipPanel->isVisible()) TipPanel->setGeometry(rect());
}

QMargins TMainForm::FrameMargins() const {
  const QRect frame = frameGeometry(), client = geometry();
  return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                  frame.bottom() - client.bottom());
}

void TMainForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  // Back from full screen or maximised, the window is given the place it had; some window systems would first
  // give back the full screen's size, or nothing they knew of when the window started maximised.
  const Qt::WindowStates old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
  if ((old & (Qt::WindowFullScreen | Qt::WindowMaximized)) && windowState() == Qt::WindowNoState &&
      restoreTo_.isValid()) {
    const QRect back = restoreTo_;
    restoreTo_ = QRect();
    QTimer::singleShot(0, this, [this, back] {
      if (windowState() == Qt::WindowNoState) setGeometry(back);
    });
  }
  FormResize();
}

void TMainForm::RestorePlacement() {
  const std::optional<TWindowPlacement> saved = LoadPlacement(*OpenPlayerSettings());
  if (!saved) return;
  if (FitsScreens(saved->geometry, FrameMargins(), QGuiApplication::screens())) setGeometry(saved->geometry);
  if (saved->state != TWindowPlacement::Normal) {
    restoreTo_ = geometry();
    setWindowState(saved->state == TWindowPlacement::Maximized ? Qt::WindowMaximized : Qt::WindowFullScreen);
  }
  if (saved->muted && BmpButton5->Tag == 0) {
    BmpButton5->SwapGlyphs();
    BmpButton5->Tag = 1;
    if (Puzzle.MediaPlayerBKG) Puzzle.MediaPlayerBKG->Tag = 1;
  }
}

void TMainForm::RememberPlacement() const {
  TWindowPlacement placement;
  const bool normal = windowState() == Qt::WindowNoState;
  placement.geometry = !normal && restoreTo_.isValid() ? restoreTo_ : normalGeometry();
  if (!placement.geometry.isValid()) placement.geometry = geometry();
  placement.state = isFullScreen()  ? TWindowPlacement::FullScreen
                    : isMaximized() ? TWindowPlacement::Maximized
                                    : TWindowPlacement::Normal;
  placement.muted = BmpButton5->Tag == 1;
  SavePlacement(*OpenPlayerSettings(), placement);
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TMainForm::FormClose() {
  if (Puzzle.GameStatus.IdStep == stPlaying) {
    Puzzle.StopGame();
    ProcessPendingEvents();
    if (ShowMessageBox("Сохранить результаты игры?", "", TMsgIcon::Warning, TMsgButtons::YesNo) == TMsgResult::Yes) {
      RunReported([] { Puzzle.SaveStateGame(); });
      ProcessPendingEvents();
    }
  }
  Puzzle.Destroy();
}

void TMainForm::EndSession() {
  if (closing_) return;
  closing_ = true;
  daemon->stop();
  RememberPlacement();
  const TUnattendedMessages unattended;  // whatever the save has to say must not wait for a person
  FreeGames().SaveAll();
  const int step = Puzzle.GameStatus.IdStep;
  if (step == stPlaying || step == stPaused) {
    Puzzle.StopGame();
    Puzzle.SaveStateGame();
  }
  Puzzle.Destroy();
  close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    closing_ = true;
    daemon->stop();
    RememberPlacement();
    FormClose();
  }
  event->accept();
}

void TMainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  QTimer::singleShot(0, this, [] { ShowPackReport(); });
  // Dragged to another screen, or once framed by the window manager, the window is made to fit its screen.
  // The fit waits until the move that changed the screen is done.
  if (QWindow* window = windowHandle())
    connect(window, &QWindow::screenChanged, this, [this] { QTimer::singleShot(0, this, [this] { FormResize(); }); });
  QTimer::singleShot(0, this, [this] { FormResize(); });
}

// One notch is 120; smooth wheels send parts of it.
void TMainForm::wheelEvent(QWheelEvent* event) {
  wheelRemainder_ += event->angleDelta().y();
  while (wheelRemainder_ >= 120) {
    wheelRemainder_ -= 120;
    FormMouseWheelUp();
  }
  while (wheelRemainder_ <= -120) {
    wheelRemainder_ += 120;
    FormMouseWheelDown();
  }
  event->ignore();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == MsgLabel && event->type() == QEvent::MouseButtonRelease) {
    RunReported([this] { MsgLabelClick(); });
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
