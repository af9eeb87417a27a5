// The bonus window "Игровые бонусы": stars buy time, a level skip or a picture; packs are downloaded here.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class TBackgroundPanel;
class TBonusButton;
class TPackList;

// What the bonus window's closing does. The chooser's result (its tag, 1 or -1) is stored as it comes.
enum TBonusClose : int {
  msChooserCancelled = -1,
  msNothing = 0,
  msStartChosenLevel = 1,  // start the level the chooser set
  msWinLevel = 2,          // end the level as won (a skip was bought)
};
extern TBonusClose mstate;

struct TBonusPrices {
  int addTime;
  int skipLevel;
};
// Prices of five more minutes and of a level skip for a level of colCount × rowCount pieces.
TBonusPrices BonusPrices(int colCount, int rowCount);

class TBonusForm : public QDialog {
  Q_OBJECT

 public:
  explicit TBonusForm(QWidget* parent = nullptr);
  ~TBonusForm() override;
  // The status loop switches the add-time, skip-level and bonus-star buttons by the step code.
  void SetStarButtonsEnabled(bool on);
  // Shows the window modally; its closing (FormClose) runs after the handler that closed it, before this returns.
  int exec() override;

  QWidget* Panel = nullptr;
  QLabel* TitleLabel = nullptr;
  TBackgroundPanel* Background = nullptr;
  TBonusButton* AddTimeButton = nullptr;
  TBonusButton* SkipLevelButton = nullptr;
  TBonusButton* BonusStarButton = nullptr;
  TBonusButton* DownloadButton = nullptr;
  TBonusButton* ChooseButton = nullptr;
  QProgressBar* ProgressBar = nullptr;
  QLabel* FileNameLabel = nullptr;
  QLineEdit* FileNameEdit = nullptr;
  QLabel* VersionLabel = nullptr;
  QPushButton* OkButton = nullptr;
  // Below the design's controls: the packs of a download, a bar each, and its stop button.
  TPackList* PackList = nullptr;

  void FormCreate();
  void FormActivate();
  void FormResize();
  void FormClose();
  void AddTimeButtonClick();
  void SkipLevelButtonClick();
  void BonusStarButtonClick();
  void ChooseButtonClick();
  void DownloadButtonClick();
  void OkButtonClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildControls();
};

extern TBonusForm* BonusForm;
