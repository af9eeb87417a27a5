// A tip laid over the whole window: a card of text on a shaded board, gone with a click anywhere.
#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;

class TTipPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TTipPanel(QWidget* parent);
  // Shows the texts one after another, a click each; Finished follows the last.
  void ShowTips(const QStringList& texts);
  // The text on the card now, empty when hidden.
  QString Text() const;

 signals:
  // The text at index was clicked away.
  void Dismissed(int index);
  void Finished();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ShowCard();
  void PlaceCard();

  QLabel* card_;
  QStringList texts_;
  int shown_ = 0;
};
