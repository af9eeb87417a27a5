// A panel with a background picture.
#include "ui/BackgroundPanel.h"

#include <QLinearGradient>
#include <QPainter>

TBackgroundPanel::TBackgroundPanel(Mode mode, QWidget* parent) : QWidget(parent), mode_(mode) {
  setAttribute(Qt::WA_OpaquePaintEvent, mode == Tiled);
}

void TBackgroundPanel::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void TBackgroundPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (mode_ == Tiled) {
    if (picture_.isNull())
      painter.fillRect(rect(), QColor(140, 104, 70));
    else
      painter.drawTiledPixmap(rect(), picture_);
    return;
  }
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0, QColor(255, 253, 240));
  gradient.setColorAt(1, QColor(236, 226, 200));
  painter.fillRect(rect(), gradient);
  if (!picture_.isNull()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
  }
}
