// A bonus window button: a small picture left of a word-wrapped caption, lit under the mouse; its Tag holds a price.
#pragma once

#include <QAbstractButton>

class TBonusButton : public QAbstractButton {
 public:
  explicit TBonusButton(QWidget* parent = nullptr);

  int Tag = 0;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  bool hovered_ = false;
};
