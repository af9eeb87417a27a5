// A scroll box for tiles.
#include "ui/TileBox.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStyle>

TTileBox::TTileBox(Mode mode, QWidget* parent) : QScrollArea(parent), mode_(mode) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  auto* tiles = new QWidget;
  tiles->resize(0, 0);
  setWidget(tiles);
  // The box paints the background itself, behind the transparent tile layer.
  tiles->setAutoFillBackground(false);
  viewport()->setAutoFillBackground(false);
}

int TTileBox::ScrollBarWidth() const { return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this); }

void TTileBox::SetTexture(const QPixmap& texture) {
  texture_ = texture;
  viewport()->update();
}

void TTileBox::FitTiles() {
  QRect reach;
  for (const QWidget* tile : Tiles()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) reach |= tile->geometry();
  Tiles()->resize(reach.isEmpty() ? QSize(0, 0) : QSize(reach.right() + 1, reach.bottom() + 1));
}

void TTileBox::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QRect area = viewport()->rect();
  if (mode_ == Texture) {
    if (texture_.isNull())
      painter.fillRect(area, QColor(150, 118, 84));
    else
      painter.drawTiledPixmap(area, texture_);
    return;
  }
  QLinearGradient gradient(0, 0, 0, area.height());
  gradient.setColorAt(0, QColor(250, 244, 226));
  gradient.setColorAt(1, QColor(214, 196, 160));
  painter.fillRect(area, gradient);
}
