// The bonus window's list of the packs a download brings: a row with its own progress bar per pack, and a stop.
#pragma once

#include <QWidget>
#include <map>

class QLabel;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

class TPackList : public QWidget {
  Q_OBJECT

 public:
  explicit TPackList(QWidget* parent = nullptr);

  // A new run: no rows, the stop button on and not yet pressed.
  void Begin();
  // The run is over; the rows stay to be read.
  void End();
  // Pack n's bytes so far of total (-1: the server did not say); the row appears with its first bytes.
  void SetProgress(int n, qint64 received, qint64 total);
  // How pack n ended, said in its row; a pack that arrived fills its bar.
  void SetOutcome(int n, const QString& text, bool arrived);
  // True once the player pressed "Остановить".
  bool StopAsked() const { return stopAsked_; }

  QPushButton* StopButton = nullptr;
  // The row's bar of pack n, none when the pack has no row.
  QProgressBar* Bar(int n) const;
  QString Outcome(int n) const;
  int RowCount() const { return static_cast<int>(rows_.size()); }

 private:
  struct Row {
    QProgressBar* bar;
    QLabel* outcome;
  };
  Row& RowOf(int n);

  QVBoxLayout* rowsLayout_ = nullptr;
  QWidget* rowsHolder_ = nullptr;
  std::map<int, Row> rows_;
  bool stopAsked_ = false;
};
