// The tip panel: one card at a time, in the middle of whatever size the window has.
#include "ui/TipPanel.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {
constexpr int kCardWidth = 420;
constexpr int kMargin = 16;
}  // namespace

TTipPanel::TTipPanel(QWidget* parent) : QWidget(parent) {
  card_ = new QLabel(this);
  card_->setWordWrap(true);
  card_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  card_->setMargin(18);
  card_->setStyleSheet(
      "QLabel { color: black; background: rgb(255, 250, 232); border: 2px solid rgb(150, 110, 60);"
      " border-radius: 8px; font-size: 15px; }");
  card_->setAttribute(Qt::WA_TransparentForMouseEvents);
  setCursor(Qt::PointingHandCursor);
  hide();
}

void TTipPanel::ShowTips(const QStringList& texts) {
  if (texts.isEmpty()) return;
  texts_ = texts;
  shown_ = 0;
  setGeometry(parentWidget()->rect());
  ShowCard();
  show();
  raise();
}

void TTipPanel::ShowCard() {
  card_->setText(texts_[shown_] + "\n\n(щёлкните, чтобы продолжить)");
  PlaceCard();
}

QString TTipPanel::Text() const { return isVisible() ? texts_.value(shown_) : QString(); }

void TTipPanel::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), QColor(20, 12, 4, 120)); }

void TTipPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceCard();
}

void TTipPanel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (!isVisible() || texts_.isEmpty()) return;
  const int dismissed = shown_++;
  if (shown_ < texts_.size())
    ShowCard();
  else
    hide();
  emit Dismissed(dismissed);
  if (shown_ >= texts_.size()) emit Finished();
}

// The card keeps a reading width and grows downwards with its text; a small window narrows it.
void TTipPanel::PlaceCard() {
  const int width = std::max(120, std::min(kCardWidth, this->width() - 2 * kMargin));
  const int height = std::min(card_->heightForWidth(width), std::max(60, this->height() - 2 * kMargin));
  card_->setGeometry((this->width() - width) / 2, (this->height() - height) / 2, width, height);
}
