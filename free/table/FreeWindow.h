// The free puzzle's window: the table, a small toolbar and the congratulation when the picture is whole.
#pragma once

#include <QMainWindow>
#include <memory>

class QLabel;
class TFreePuzzle;
class TFreeTable;

class TFreeWindow : public QMainWindow {
 public:
  // `picture` is the file the puzzle was made of, named in the caption and the congratulation.
  TFreeWindow(std::unique_ptr<TFreePuzzle> puzzle, const QString& picture, QWidget* parent = nullptr);
  ~TFreeWindow() override;

  TFreeTable& Table() { return *table_; }
  const QLabel& Congratulation() const { return *congratulation_; }

 private:
  void Congratulate();

  std::unique_ptr<TFreePuzzle> puzzle_;
  TFreeTable* table_;
  QLabel* congratulation_;
  QString pictureName_;
};
