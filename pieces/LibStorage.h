// Bitmap helpers of the piece pipeline: resampling, gray values, applying a shape mask, copying a file with its date.
#pragma once

#include <QString>
#include <cstdint>

#include "view/Bitmap32.h"

// A mask pixel whose gray value is at least this belongs to the shape; darker ones lie outside it.
constexpr int kShapeGray = 251;

// Replaces src by a copy resampled to width × height (Lanczos, radius 3), draw mode blend, master alpha 255.
void ScaleBmp(TBitmap32& src, int width, int height);

// Gray value of a toolkit colour value (red in the low byte): Round(0.3 R + 0.59 G + 0.11 B), halves to even.
std::uint8_t RgbToGray(std::uint32_t RGBColor);

// The toolkit colour value of three colour bytes: R + G × 256 + B × 65536.
std::uint32_t RGBtoColor(std::uint8_t R, std::uint8_t G, std::uint8_t B);

// Gray value of a 32-bit pixel; its alpha plays no part.
inline std::uint8_t PixelGray(TColor32 pixel) {
  return RgbToGray(RGBtoColor(RedOf(pixel), GreenOf(pixel), BlueOf(pixel)));
}

inline bool IsShapePixel(TColor32 pixel) { return PixelGray(pixel) >= kShapeGray; }

// Makes every pixel of source transparent (alpha 0, colour kept) where the mask pixel at the same place lies outside
// the shape. Throws std::invalid_argument when the mask is smaller than source.
void CombineBmp(const TBitmap32& mask, TBitmap32& source);

// Copies a file and gives the copy the source's modification time. The target appears only complete: an existing
// target is replaced at the end. Throws std::runtime_error naming the file that cannot be read or written.
void FileCopy(const QString& SourceFileName, const QString& TargetFileName);
