// A bonus window button.
#include "ui/BonusButton.h"

#include <QPainter>

namespace {
constexpr int kIconSize = 20;
constexpr int kMargin = 6;
}  // namespace

TBonusButton::TBonusButton(QWidget* parent) : QAbstractButton(parent) {
  setCursor(Qt::PointingHandCursor);
  setIconSize(QSize(kIconSize, kIconSize));
}

void TBonusButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QColor face(236, 228, 206);
  if (!isEnabled())
    face = QColor(200, 196, 186);
  else if (isDown())
    face = QColor(240, 200, 90);
  else if (hovered_)
    face = QColor(255, 226, 120);
  painter.setPen(QColor(120, 92, 52));
  painter.setBrush(face);
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);

  const int shift = isDown() ? 1 : 0;
  QRect textRect = rect().adjusted(kMargin, 2, -kMargin, -2).translated(shift, shift);
  if (!icon().isNull()) {
    const QRect iconRect(textRect.left(), (height() - kIconSize) / 2 + shift, kIconSize, kIconSize);
    icon().paint(&painter, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    textRect.setLeft(iconRect.right() + kMargin);
  }
  painter.setFont(font());
  painter.setPen(isEnabled() ? QColor(30, 24, 16) : QColor(120, 116, 108));
  painter.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, text());
}

void TBonusButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void TBonusButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}
