// The image view: geometry between control and bitmap, the update bracket, painting, and mouse routing to layers.
#include "view/ImageView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "view/Blend32.h"
#include "view/ViewPaint.h"

namespace {

constexpr int kNoScale = std::numeric_limits<int>::max();

int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// Floor that saturates instead of overflowing for points far outside the picture.
int FloorToInt(double v) {
  return static_cast<int>(std::clamp(std::floor(v), double(std::numeric_limits<int>::min()), double(kNoScale)));
}

// The toolkit colour is 0x00BBGGRR, the buffer holds 0xFFRRGGBB.
TColor32 BufferColor(std::uint32_t color) {
  return 0xFF000000u | (color & 0xFFu) << 16 | (color & 0xFF00u) | (color >> 16 & 0xFFu);
}

bool ToButton(Qt::MouseButton qt, TMouseButton& button) {
  switch (qt) {
    case Qt::LeftButton: button = mbLeft; return true;
    case Qt::RightButton: button = mbRight; return true;
    case Qt::MiddleButton: button = mbMiddle; return true;
    default: return false;
  }
}

TShiftState ShiftOf(const QMouseEvent* event) {
  TShiftState shift = 0;
  const auto mods = event->modifiers();
  if (mods & Qt::ShiftModifier) shift |= ssShift;
  if (mods & Qt::AltModifier) shift |= ssAlt;
  if (mods & Qt::ControlModifier) shift |= ssCtrl;
  const auto buttons = event->buttons();
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

QPoint PixelOf(const QMouseEvent* event) {
  const QPointF p = event->position();
  return QPoint(FloorToInt(p.x()), FloorToInt(p.y()));
}

}  // namespace

TImage32::TImage32(QWidget* parent) : QWidget(parent), layers_(std::make_unique<TLayerCollection>(this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The board follows the cursor with no button held, so moves are wanted all the time.
  setMouseTracking(true);
  bitmap_.OnChange = [this] { BitmapChanged(); };
}

TImage32::~TImage32() {
  layers_->Clear();
  bitmap_.OnChange = nullptr;
}

void TImage32::SetColor(std::uint32_t color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TImage32::SetBitmapAlign(TBitmapAlign align) {
  if (align == align_) return;
  align_ = align;
  InvalidateCache();
  Changed();
}

void TImage32::SetScaleMode(TScaleMode mode) {
  if (mode == scaleMode_) return;
  scaleMode_ = mode;
  InvalidateCache();
  Changed();
}

void TImage32::SetScale(float scale) {
  scale = std::max(scale, 0.001f);
  if (scale == scale_) return;
  scale_ = scale;
  InvalidateCache();
  Changed();
}

QSize TImage32::GetBitmapSize() const {
  const int w = width(), h = height();
  const int bw = bitmap_.Width(), bh = bitmap_.Height();
  if (bitmap_.Empty() || w <= 0 || h <= 0) return QSize(0, 0);
  int cx = w, cy = h;
  if (scaleMode_ == smResize) {
    const double rx = double(w) / bw, ry = double(h) / bh;
    if (rx >= ry)
      cx = RoundHalfEven(bw * ry);
    else
      cy = RoundHalfEven(bh * rx);
  }
  return QSize(std::max(cx, 0), std::max(cy, 0));
}

QRect TImage32::GetBitmapRect() const {
  if (bitmap_.Empty()) return QRect();
  const QSize size = GetBitmapSize();
  QRect rect(QPoint(0, 0), size);
  if (align_ == baCenter) rect.translate((width() - size.width()) / 2, (height() - size.height()) / 2);
  return rect;
}

void TImage32::UpdateCache() const {
  const QSize bitmapSize(bitmap_.Width(), bitmap_.Height());
  if (cacheValid_ && cachedControlSize_ == size() && cachedBitmapSize_ == bitmapSize) return;
  cachedRect_ = GetBitmapRect();
  if (bitmap_.Empty()) {
    cachedShiftX_ = cachedShiftY_ = 0;
    cachedScaleX_ = cachedScaleY_ = 1;
  } else {
    cachedShiftX_ = cachedRect_.left();
    cachedShiftY_ = cachedRect_.top();
    cachedScaleX_ = float(cachedRect_.width()) / bitmap_.Width();
    cachedScaleY_ = float(cachedRect_.height()) / bitmap_.Height();
  }
  cachedRecScaleX_ = cachedScaleX_ == 0 ? 0 : 1 / cachedScaleX_;
  cachedRecScaleY_ = cachedScaleY_ == 0 ? 0 : 1 / cachedScaleY_;
  cachedControlSize_ = size();
  cachedBitmapSize_ = bitmapSize;
  cacheValid_ = true;
  geometryChanged_ = true;
}

QPoint TImage32::ControlToBitmap(QPoint p) const {
  UpdateCache();
  const int x = cachedRecScaleX_ == 0 ? kNoScale : FloorToInt((p.x() - double(cachedShiftX_)) * cachedRecScaleX_);
  const int y = cachedRecScaleY_ == 0 ? kNoScale : FloorToInt((p.y() - double(cachedShiftY_)) * cachedRecScaleY_);
  return QPoint(x, y);
}

QPointF TImage32::ControlToBitmap(QPointF p) const {
  UpdateCache();
  constexpr double noScale = 2147483648.0;
  const double x = cachedRecScaleX_ == 0 ? noScale : (p.x() - cachedShiftX_) * cachedRecScaleX_;
  const double y = cachedRecScaleY_ == 0 ? noScale : (p.y() - cachedShiftY_) * cachedRecScaleY_;
  return QPointF(x, y);
}

QPoint TImage32::BitmapToControl(QPoint p) const {
  const QPointF f = BitmapToControl(QPointF(p));
  return QPoint(static_cast<int>(std::trunc(f.x())), static_cast<int>(std::trunc(f.y())));
}

QPointF TImage32::BitmapToControl(QPointF p) const {
  UpdateCache();
  return QPointF(p.x() * cachedScaleX_ + cachedShiftX_, p.y() * cachedScaleY_ + cachedShiftY_);
}

QPointF TImage32::ViewportScale() const {
  UpdateCache();
  return QPointF(cachedScaleX_, cachedScaleY_);
}

QPointF TImage32::ViewportShift() const {
  UpdateCache();
  return QPointF(cachedShiftX_, cachedShiftY_);
}

void TImage32::BeginUpdate() { ++updateCount_; }

void TImage32::EndUpdate() {
  if (updateCount_ <= 0) throw std::logic_error("Unpaired EndUpdate call");
  --updateCount_;
}

void TImage32::Changed() {
  dirtyAll_ = true;
  backgroundTop_ = nullptr;
  lowerChanged_ = true;
  if (updateCount_ == 0) Invalidate(false);
}

void TImage32::LayerChanged(TCustomLayer* layer) {
  const std::optional<QRect> before = layer->shownExtent_;
  const std::optional<QRect> now = layer->Visible() ? layer->PaintExtent() : QRect();
  layer->shownExtent_ = now;
  if (!before || !now) {
    Changed();
    return;
  }
  if (layer != backgroundTop_) backgroundTop_ = nullptr;
  if (layer != layers_->Items(layers_->Count() - 1)) lowerChanged_ = true;
  dirty_ += *before & rect();
  dirty_ += *now & rect();
  if (updateCount_ == 0) Invalidate(false);
}

void TImage32::Invalidate(bool now) {
  // What was handed to the toolkit to paint later is painted now as well, as the caller expects to see it.
  dirtyAll_ = dirtyAll_ || pendingAll_;
  dirty_ += pending_;
  if (now) {
    pendingAll_ = false;
    pending_ = QRegion();
    if (dirtyAll_)
      repaint();
    else if (!dirty_.isEmpty())
      repaint(dirty_);
  } else {
    pendingAll_ = dirtyAll_;
    pending_ = dirty_;
    if (dirtyAll_)
      update();
    else if (!dirty_.isEmpty())
      update(dirty_);
  }
  dirtyAll_ = false;
  dirty_ = QRegion();
}

void TImage32::RepaintNow() { Invalidate(true); }

void TImage32::BitmapChanged() { Changed(); }

QImage TImage32::Render() {
  QImage image(size(), QImage::Format_RGB32);
  PaintStack(image, image.rect(), layers_->Count());
  return image;
}

void TImage32::PaintStack(QImage& buffer, const QRect& clip, int end) {
  if (buffer.isNull() || clip.isEmpty()) return;
  UpdateCache();
  const TColor32 background = BufferColor(color_);
  const bool bitmapCoversItsRect = !bitmap_.Empty() && bitmap_.DrawMode() == dmOpaque;
  FillOutside(buffer, clip, bitmapCoversItsRect ? cachedRect_ : QRect(), background);
  if (!bitmap_.Empty() && !cachedRect_.isEmpty()) StretchDrawNearest(buffer, clip, cachedRect_, bitmap_);
  for (int i = 0; i < end; ++i) {
    TCustomLayer* layer = layers_->Items(i);
    if (layer->Visible()) layer->Paint(buffer, clip);
  }
}

void TImage32::PaintTo(QImage& buffer, const QRect& clip) {
  if (!backgroundTop_) {
    PaintStack(buffer, clip, layers_->Count());
    return;
  }
  const QRect area = clip & buffer.rect();
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const auto* from = reinterpret_cast<const TColor32*>(background_.constScanLine(y)) + area.left();
    std::copy(from, from + area.width(), reinterpret_cast<TColor32*>(buffer.scanLine(y)) + area.left());
  }
  if (backgroundTop_->Visible()) backgroundTop_->Paint(buffer, area);
}

void TImage32::BuildBackground() {
  const int top = layers_->Count() - 1;
  if (background_.size() != size()) background_ = QImage(size(), QImage::Format_RGB32);
  PaintStack(background_, background_.rect(), top);
  backgroundTop_ = layers_->Items(top);
}

void TImage32::paintEvent(QPaintEvent* event) {
  if (buffer_.size() != size()) buffer_ = QImage(size(), QImage::Format_RGB32);
  UpdateCache();
  if (geometryChanged_) {
    // Every layer moved on the screen; their places are known afresh from here on.
    geometryChanged_ = false;
    backgroundTop_ = nullptr;
    lowerChanged_ = true;
    for (int i = 0; i < layers_->Count(); ++i) {
      TCustomLayer* layer = layers_->Items(i);
      layer->shownExtent_ = layer->Visible() ? layer->PaintExtent() : QRect();
    }
  }
  // Only the top layer changed since the last paint: it is likely to go on moving alone, so the rest is kept.
  if (!backgroundTop_ && !lowerChanged_ && layers_->Count() > 0) BuildBackground();
  lowerChanged_ = false;
  const QRegion region = event->region() & rect();
  pending_ -= region;
  pendingAll_ = pendingAll_ && region != QRegion(rect());
  if (pendingAll_) {
    // Only part of what was asked for is painted here; the rest stays pending.
    pending_ = QRegion(rect()) - region;
    pendingAll_ = false;
  }
  for (const QRect& r : region) PaintTo(buffer_, r);
  QPainter painter(this);
  for (const QRect& r : region) painter.drawImage(r.topLeft(), buffer_, r);
}

void TImage32::resizeEvent(QResizeEvent* event) {
  InvalidateCache();
  backgroundTop_ = nullptr;
  QWidget::resizeEvent(event);
}

TCustomLayer* TImage32::RouteTarget(int x, int y) const {
  if (!layers_->MouseEvents) return nullptr;
  TCustomLayer* listener = layers_->MouseListener();
  return listener ? listener : layers_->FindLayerAtPos(x, y);
}

TCustomLayer* TImage32::StillShown(TCustomLayer* layer) const {
  return layer && layer->LayerCollection() == layers_.get() ? layer : nullptr;
}

void TImage32::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomLayer* target = RouteTarget(x, y);
  if (target) {
    layers_->SetMouseListener(target);
    target->SetButtonPressed(button, true);
    target->MouseDown(button, shift, x, y);
  }
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y, StillShown(target));
  layers_->FreeRemoved();
}

void TImage32::DoMouseMove(TShiftState shift, int x, int y) {
  TCustomLayer* target = RouteTarget(x, y);
  if (target) target->MouseMove(shift, x, y);
  if (OnMouseMove) OnMouseMove(this, shift, x, y, StillShown(target));
  layers_->FreeRemoved();
}

void TImage32::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomLayer* target = RouteTarget(x, y);
  if (target) {
    target->SetButtonPressed(button, false);
    target->MouseUp(button, shift, x, y);
    if (layers_->MouseListener() == target && !target->ButtonPressed(mbLeft) && !target->ButtonPressed(mbRight) &&
        !target->ButtonPressed(mbMiddle))
      layers_->SetMouseListener(nullptr);
  }
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y, StillShown(target));
  layers_->FreeRemoved();
}

void TImage32::DoDblClick() {
  if (TCustomLayer* listener = layers_->MouseListener()) {
    // The layer loses the capture, so it must not go on believing its buttons are held.
    for (TMouseButton button : {mbLeft, mbRight, mbMiddle}) listener->SetButtonPressed(button, false);
    layers_->SetMouseListener(nullptr);
  }
  DoMouseUp(mbLeft, 0, 0, 0);
  if (OnDblClick) OnDblClick(this);
}

// Qt grabs the mouse for this widget while a button is held, which is the capture layers need during a drag.
void TImage32::mousePressEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ToButton(event->button(), button)) return;
  if (button == mbLeft) clicked_ = true;
  const QPoint p = PixelOf(event);
  DoMouseDown(button, ShiftOf(event), p.x(), p.y());
}

void TImage32::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = PixelOf(event);
  DoMouseMove(ShiftOf(event), p.x(), p.y());
}

void TImage32::mouseReleaseEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ToButton(event->button(), button)) return;
  const QPoint p = PixelOf(event);
  if (button == mbLeft && clicked_) {
    clicked_ = false;
    // A click handler may rebuild the window and free this view (the chooser does).
    const QPointer<TImage32> self(this);
    if (rect().contains(p))
      if (OnClick) OnClick(this);
    if (!self) return;
  }
  DoMouseUp(button, ShiftOf(event), p.x(), p.y());
}

// Qt reports the second press of a double click here instead of as a press; it still goes through as a press.
void TImage32::mouseDoubleClickEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ToButton(event->button(), button)) return;
  if (button == mbLeft) DoDblClick();
  const QPoint p = PixelOf(event);
  DoMouseDown(button, ShiftOf(event) | ssDouble, p.x(), p.y());
}
