// Pixel arithmetic shared by the view and the piece layers: laying a 32-bit ARGB sample over an opaque buffer pixel.
#pragma once

#include <cstdint>

#include "view/Bitmap32.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Four samples laid over dst[0..3], each with its alpha × master alpha / 255: the same arithmetic as SampleOpacity and
// BlendOver, four pixels at a time where the processor has SSE2, since every mouse move repaints the whole board.
inline void BlendOver4(TColor32* dst, TColor32 s0, TColor32 s1, TColor32 s2, TColor32 s3, std::uint32_t masterAlpha) {
#if defined(__SSE2__)
  const __m128i src = _mm_set_epi32(int(s3), int(s2), int(s1), int(s0));
  const __m128i under = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst));
  // Opacity and weight per pixel, in the low half of each 32-bit lane; every intermediate fits 16 bits unsigned.
  __m128i x = _mm_mullo_epi16(_mm_srli_epi32(src, 24), _mm_set1_epi32(int(masterAlpha)));
  x = _mm_add_epi16(x, _mm_set1_epi32(128));
  const __m128i opacity = _mm_srli_epi16(_mm_add_epi16(x, _mm_srli_epi16(x, 8)), 8);
  __m128i w = _mm_add_epi16(opacity, _mm_srli_epi16(opacity, 7));
  w = _mm_or_si128(w, _mm_slli_epi32(w, 16));
  const __m128i zero = _mm_setzero_si128(), full = _mm_set1_epi16(256), half = _mm_set1_epi16(128);
  const auto mix = [&](__m128i s, __m128i d, __m128i weight) {
    const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(s, weight), _mm_mullo_epi16(d, _mm_sub_epi16(full, weight)));
    return _mm_srli_epi16(_mm_add_epi16(sum, half), 8);
  };
  const __m128i lo = mix(_mm_unpacklo_epi8(src, zero), _mm_unpacklo_epi8(under, zero), _mm_unpacklo_epi32(w, w));
  const __m128i hi = mix(_mm_unpackhi_epi8(src, zero), _mm_unpackhi_epi8(under, zero), _mm_unpackhi_epi32(w, w));
  const __m128i result = _mm_or_si128(_mm_packus_epi16(lo, hi), _mm_set1_epi32(int(0xFF000000u)));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), result);
#else
  const TColor32 samples[4] = {s0, s1, s2, s3};
  for (int i = 0; i < 4; ++i) dst[i] = BlendOver(samples[i], dst[i], SampleOpacity(samples[i], masterAlpha));
#endif
}
