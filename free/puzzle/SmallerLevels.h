// A piece's image at half, a quarter, ... of its size, for drawing it zoomed out without shimmer or blur.
#pragma once

#include <QImage>
#include <QSize>
#include <vector>

// The smallest level's long side is above this and at most twice it.
constexpr int kSmallestLevelSide = 16;

// Each output pixel the mean of the 2 × 2 pixels it covers (an odd last row or column covers only half its
// output, so edges stay where they were); both images are ARGB32_Premultiplied, so colours do not bleed from
// transparent pixels. `half` is already (width + 1) / 2 × (height + 1) / 2.
void HalfSizeInto(const QImage& image, QImage& half);
// The sizes of the levels below an image of that size: halved while the long side is above twice
// kSmallestLevelSide.
std::vector<QSize> SmallerLevelSizes(QSize size);
