// A piece's image at half, a quarter, ... of its size, for drawing it zoomed out without shimmer or blur.
#pragma once

#include <QImage>
#include <vector>

// The smallest level's long side is above this and at most twice it.
constexpr int kSmallestLevelSide = 16;

// Each output pixel the mean of the 2 × 2 pixels it covers (an odd last row or column covers only half its
// output, so edges stay where they were); the image is ARGB32_Premultiplied, so colours do not bleed from
// transparent pixels.
QImage HalfSize(const QImage& image);
// HalfSize again and again while the long side is above twice kSmallestLevelSide.
std::vector<QImage> SmallerLevels(const QImage& image);
