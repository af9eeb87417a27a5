// The window "Свободная сборка": which picture, how many pieces, turned or not, the faded picture or not.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <vector>

#include "free/puzzle/FreeState.h"
#include "free/windows/PieceCounts.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// A picture offered beside the player's own files, such as a completed level's.
struct TFreeCandidate {
  QString Name;
  QString File;
};

class TFreeChooser : public QDialog {
  Q_OBJECT

 public:
  explicit TFreeChooser(const std::vector<TFreeCandidate>& candidates, QWidget* parent = nullptr);

  // Makes the file the chosen picture, first in the list; false, with the reason in the window, when it cannot be
  // read or is too small for any puzzle.
  bool ChoosePicture(const QString& file);
  // Offers to play the chosen file as today's level of "Мои картинки" instead.
  void OfferLevel(bool offer);

  QString Picture() const { return picture_; }
  const std::vector<TPieceCountChoice>& Choices() const { return choices_; }
  void ChooseCount(int index);
  void SetTurned(bool turned);
  void SetGuide(bool shown);
  QPushButton& StartButton() { return *start_; }
  QPushButton& LevelButton() { return *level_; }
  const QLabel& Fault() const { return *fault_; }  // why the last picture chosen will not do

 signals:
  void StartChosen(const TFreeOrigin& origin, bool guide);
  void LevelChosen(const QString& picture);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BrowseFiles();
  void ShowCandidate(int row);
  void Start();

  QListWidget* pictures_;
  QLabel* preview_;
  QLabel* fault_;
  QComboBox* counts_;
  QCheckBox* turned_;
  QCheckBox* guide_;
  QPushButton* start_;
  QPushButton* level_;
  QString picture_;
  std::vector<TPieceCountChoice> choices_;
};
