// Images kept at several sizes, and the one to draw at a zoom: never a small image scaled up.
#pragma once

#include <QImage>
#include <vector>

class QPainter;

// Device pixels per unit of the painter's current coordinates (the zoom times the screen's pixel ratio).
double DeviceScale(const QPainter& painter);
// Of `full` and its `smaller` copies (each about half the one before), the smallest at least `scale` × full's width.
const QImage& ImageForScale(const QImage& full, const std::vector<QImage>& smaller, double scale);
// `full` halved again and again, smoothly, down to `smallestSide` pixels on its long side.
std::vector<QImage> HalvedCopies(const QImage& full, int smallestSide);
