// A picture button.
#include "ui/BmpButton.h"

#include <QPainter>

TBmpButton::TBmpButton(QWidget* parent) : QAbstractButton(parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
}

void TBmpButton::SetFaces(const QPixmap& up, const QPixmap& down, const QPixmap& hover) {
  up_ = up;
  down_ = down;
  hover_ = hover;
  update();
}

void TBmpButton::SwapGlyphs() {
  std::swap(up_, down_);
  update();
}

void TBmpButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QPixmap* face = &up_;
  if (isDown() && !down_.isNull())
    face = &down_;
  else if (hovered_ && isEnabled() && !hover_.isNull())
    face = &hover_;
  if (!isEnabled()) painter.setOpacity(0.55);
  if (!face->isNull()) {
    painter.drawPixmap(rect(), *face);
  } else {  // without its art the button still reads as a button
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(QColor(215, 215, 215));
    painter.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 10, 10);
  }
  const QRect textRect = rect().adjusted(4, 2, -4, -2).translated(isDown() ? 1 : 0, isDown() ? 1 : 0);
  // A long caption such as "Продолжить" shrinks until it fits the face.
  QFont captionFont = font();
  while (captionFont.pixelSize() > 7 &&
         QFontMetrics(captionFont).boundingRect(textRect, Qt::AlignCenter | Qt::TextWordWrap, text()).width() >
             textRect.width())
    captionFont.setPixelSize(captionFont.pixelSize() - 1);
  painter.setFont(captionFont);
  painter.setPen(QColor(255, 255, 255, 150));
  painter.drawText(textRect.translated(1, 1), Qt::AlignCenter | Qt::TextWordWrap, text());
  painter.setPen(isEnabled() ? QColor(20, 20, 20) : QColor(70, 70, 70));
  painter.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, text());
}

void TBmpButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void TBmpButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}
