// The main window "KAVRIN Настольный Пазл": the board, the tray, the picture buttons, the clock and the score.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

#include "ui/BmpButton.h"
#include "view/ImageView.h"

class QGroupBox;
class TAnchors;
class TBackgroundPanel;
class TFreeChooser;
class TFreeGames;
class TMyPuzzles;
class TRaisedLabel;
class TTipPanel;
enum class TTip;

class TMainForm : public QWidget {
  Q_OBJECT

 public:
  // Builds the window and runs FormCreate.
  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  QWidget* Panel;
  TBackgroundPanel* Background1;
  TBmpButton* BmpButton1;
  TBmpButton* BmpButton2;
  TBmpButton* BmpButton3;
  TBmpButton* BmpButton4;
  TBmpButton* BmpButton5;
  TRaisedLabel* ClockLabel;
  QLabel* RzBackground1;
  QLabel* ScoreLabel;
  QGroupBox* GroupBox;
  TImage32* Image_Bkg;
  QWidget* PanelMsg;
  TBackgroundPanel* BackgroundMsg;
  QLabel* MsgLabel;
  TImage32* Im_list;
  QPushButton* RzBitBtn1;
  QPushButton* RzBitBtn2;
  QPushButton* RzBitBtn3;
  QPushButton* RzBitBtn4;
  QTimer* daemon;
  // Beside the design's controls: the table's wood around the board's square when the window is not square, the
  // "?" that opens the help, and the first-time tips laid over everything.
  TBackgroundPanel* Table;
  QPushButton* HelpButton;
  TTipPanel* TipPanel;

  void FormCreate();
  void FormClose();
  // Ends the game for the session (a quit signal): a level in play or paused is saved as the exit question's "yes"
  // would save it, and nothing waits for a person. Does nothing once the window has closed.
  void EndSession();
  void FormResize();
  void BmpButton1Click();
  void BmpButton2Click();
  void BmpButton3Click();
  void BmpButton4Click();
  void BmpButton5Click();
  void RzBitBtn1Click();
  void RzBitBtn2Click();
  void RzBitBtn3Click();
  void RzBitBtn4Click();
  void FormMouseWheelUp();
  void FormMouseWheelDown();
  void daemonTimer();
  void MsgLabelClick();
  void SwitchFullScreen();
  // "Как играть", from F1 and the "?" button; a level in play waits while it is open.
  void HelpButtonClick();
  // The tips of the level just started that the player has not been shown; its clock waits until they are read.
  void ShowFirstTips();
  // The window's size, place and state and the sound switch: put back from the player's settings where they still
  // fit the screens, and kept there when the window closes.
  void RestorePlacement();
  void RememberPlacement() const;
  // Makes a level of "Мои картинки" of each picture and starts the first at once, at no cost; a picture that
  // cannot be made says why. Files given at start and files dropped on the window come here from the chooser.
  void OpenPictures(const QStringList& paths);

  // Free assembly, beside the level game: its two buttons on the start screen, where the tray is during a level.
  QPushButton* FreeButton;
  QPushButton* MyPuzzlesButton;
  TFreeGames& FreeGames() { return *freeGames_; }
  // "Свободная сборка", with a completed level's picture or a file to choose; returns the window, open.
  TFreeChooser* FreeButtonClick();
  // "Мои пазлы", the list of free puzzles; returns the window, open.
  TMyPuzzles* MyPuzzlesButtonClick();
  // Pictures opened with the game or dropped on it: "Свободная сборка" with the first chosen, which also offers
  // them as levels of "Мои картинки" (OpenPictures) in one click.
  TFreeChooser* OfferPictures(const QStringList& paths);

  // The resize rule: at least 548 on each side, and always square. The screen may allow less (FitSquare).
  static QSize SquareSize(QSize size);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // The first showing puts up what went wrong with new level packs, over the window rather than before it.
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildFreeButtons();
  // The free buttons stand on the start screen only, never over the tray or a level in play.
  void ShowFreeButtons();
  void LoadPictures();
  void SetButtonsByStep(int step);
  QMargins FrameMargins() const;

  TAnchors* panelAnchors_;
  TAnchors* groupAnchors_;
  int wheelRemainder_ = 0;
  bool closing_ = false;
  bool shown_ = false;
  // Where the window goes back to from full screen or maximised, when the window system may not know.
  QRect restoreTo_;
  std::vector<TTip> tipsShown_;
  std::unique_ptr<TFreeGames> freeGames_;
  QPointer<TFreeChooser> chooser_;
};

extern TMainForm* MainForm;
