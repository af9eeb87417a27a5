// A 32-bit ARGB bitmap (0xAARRGGBB words) with the drawing properties the views and layers read.
#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <functional>

using TColor32 = std::uint32_t;

enum TDrawMode { dmOpaque, dmBlend };

class TBitmap32 {
 public:
  TBitmap32() = default;
  TBitmap32(int width, int height, TColor32 fill = 0);
  TBitmap32(const TBitmap32& other);
  TBitmap32& operator=(const TBitmap32& other);

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  bool Empty() const { return image_.isNull() || Width() == 0 || Height() == 0; }
  QRect BoundsRect() const { return QRect(0, 0, Width(), Height()); }

  // Resizes to width × height; the pixels are undefined afterwards (fill them).
  void SetSize(int width, int height);
  void Clear(TColor32 color);

  TColor32* Bits() { return reinterpret_cast<TColor32*>(image_.bits()); }
  const TColor32* Bits() const { return reinterpret_cast<const TColor32*>(image_.constBits()); }
  TColor32* ScanLine(int y) { return reinterpret_cast<TColor32*>(image_.scanLine(y)); }
  const TColor32* ScanLine(int y) const { return reinterpret_cast<const TColor32*>(image_.constScanLine(y)); }
  TColor32 Pixel(int x, int y) const { return ScanLine(y)[x]; }
  void SetPixel(int x, int y, TColor32 color) { ScanLine(y)[x] = color; }

  TDrawMode DrawMode() const { return drawMode_; }
  void SetDrawMode(TDrawMode mode);
  int MasterAlpha() const { return masterAlpha_; }
  void SetMasterAlpha(int alpha);

  // A one-pixel outline inside the rectangle, clipped, replacing pixels without blending.
  void FrameRectS(const QRect& rect, TColor32 color);

  // Size, pixels, draw mode and master alpha of another bitmap.
  void Assign(const TBitmap32& other);
  // Takes an image's pixels (converted to ARGB32); draw mode and master alpha stay.
  void AssignImage(const QImage& image);

  // The pixels as an image sharing this bitmap's format; writes through it count as a change only via Changed().
  QImage& Image() { return image_; }
  const QImage& Image() const { return image_; }

  // Tells the owner (a view or a layer) that the bitmap changed.
  void Changed();
  std::function<void()> OnChange;

 private:
  QImage image_;
  TDrawMode drawMode_ = dmOpaque;
  int masterAlpha_ = 255;
};

inline std::uint8_t AlphaOf(TColor32 c) { return c >> 24; }
inline std::uint8_t RedOf(TColor32 c) { return (c >> 16) & 0xFF; }
inline std::uint8_t GreenOf(TColor32 c) { return (c >> 8) & 0xFF; }
inline std::uint8_t BlueOf(TColor32 c) { return c & 0xFF; }
