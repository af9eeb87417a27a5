// A label with raised text in a raised frame.
#include "ui/RaisedLabel.h"

#include <QPainter>

TRaisedLabel::TRaisedLabel(QWidget* parent) : QLabel(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
  setAlignment(Qt::AlignCenter);
}

void TRaisedLabel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setFont(font());
  const QRect area = contentsRect();
  painter.setPen(QColor(255, 255, 255, 210));
  painter.drawText(area.translated(-1, -1), alignment(), text());
  painter.setPen(QColor(0, 0, 0, 90));
  painter.drawText(area.translated(1, 1), alignment(), text());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(area, alignment(), text());
}
