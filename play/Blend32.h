// Pixel arithmetic shared by the view and the piece layers: laying a 32-bit ARGB sample over an opaque buffer pixel.
#pragma once

#include <cstdint>

#include "play/Bitmap32.h"

// x / 255, rounded, for x in 0..255 × 255.
inline std::uint32_t Div255(std::uint32_t x) {
  x += 128;
  return (x + (x >> 8)) >> 8;
}

// The opacity a sample is drawn with: its own alpha times the master alpha / 255.
inline std::uint32_t SampleOpacity(TColor32 sample, std::uint32_t masterAlpha) {
  return Div255((sample >> 24) * masterAlpha);
}

// dst + (src − dst) × opacity / 255 on every colour channel; the buffer stays opaque. Red and blue share one multiply.
inline TColor32 BlendOver(TColor32 src, TColor32 dst, std::uint32_t opacity) {
  const std::uint32_t w = opacity + (opacity >> 7);  // 0..255 stretched to 0..256 so 255 gives the sample exactly
  const std::uint32_t rest = 256 - w;
  const std::uint32_t rb = ((src & 0xFF00FFu) * w + (dst & 0xFF00FFu) * rest + 0x800080u) >> 8;
  const std::uint32_t g = ((src & 0x00FF00u) * w + (dst & 0x00FF00u) * rest + 0x008000u) >> 8;
  return 0xFF000000u | (rb & 0xFF00FFu) | (g & 0x00FF00u);
}

// The buffer keeps every pixel opaque, so the screen copy never mixes with what lies behind the window.
inline TColor32 Opaque(TColor32 c) { return c | 0xFF000000u; }
