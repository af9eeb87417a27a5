// A 32-bit ARGB bitmap.
#include "view/Bitmap32.h"

#include <algorithm>

TBitmap32::TBitmap32(int width, int height, TColor32 fill) {
  SetSize(width, height);
  Clear(fill);
}

// The change handler belongs to the owner of a bitmap, so copies never take it.
TBitmap32::TBitmap32(const TBitmap32& other)
    : image_(other.image_), drawMode_(other.drawMode_), masterAlpha_(other.masterAlpha_) {}

TBitmap32& TBitmap32::operator=(const TBitmap32& other) {
  Assign(other);
  return *this;
}

void TBitmap32::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == Width() && height == Height() && !image_.isNull()) return;
  image_ = width > 0 && height > 0 ? QImage(width, height, QImage::Format_ARGB32) : QImage();
  Changed();
}

void TBitmap32::Clear(TColor32 color) {
  if (Empty()) return;
  std::fill(Bits(), Bits() + static_cast<std::size_t>(Width()) * Height(), color);
  Changed();
}

void TBitmap32::SetDrawMode(TDrawMode mode) {
  if (mode == drawMode_) return;
  drawMode_ = mode;
  Changed();
}

void TBitmap32::SetMasterAlpha(int alpha) {
  alpha = std::clamp(alpha, 0, 255);
  if (alpha == masterAlpha_) return;
  masterAlpha_ = alpha;
  Changed();
}

void TBitmap32::FrameRectS(const QRect& rect, TColor32 color) {
  const int left = rect.left(), top = rect.top();
  const int right = left + rect.width(), bottom = top + rect.height();  // exclusive
  if (right <= left || bottom <= top) return;
  auto put = [&](int x, int y) {
    if (x >= 0 && y >= 0 && x < Width() && y < Height()) SetPixel(x, y, color);
  };
  for (int x = left; x < right; ++x) {
    put(x, top);
    put(x, bottom - 1);
  }
  for (int y = top; y < bottom; ++y) {
    put(left, y);
    put(right - 1, y);
  }
  Changed();
}

void TBitmap32::Assign(const TBitmap32& other) {
  if (this == &other) return;
  image_ = other.image_;
  drawMode_ = other.drawMode_;
  masterAlpha_ = other.masterAlpha_;
  Changed();
}

void TBitmap32::AssignImage(const QImage& image) {
  image_ = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32);
  Changed();
}

void TBitmap32::Changed() {
  if (OnChange) OnChange();
}
