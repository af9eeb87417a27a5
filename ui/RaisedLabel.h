// A label in a raised frame whose text stands out in relief, like the clock of the main window.
#pragma once

#include <QLabel>

class TRaisedLabel : public QLabel {
 public:
  explicit TRaisedLabel(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
