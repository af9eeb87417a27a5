// Small level files for tests: a 2 × 2 level's data and pictures in any format Qt writes.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>

// Level data of a 2 × 2 level whose pieces are plain squares, tolerances 12 pixels and 8 degrees.
QByteArray SquareLevelBytes();

// A picture of one colour, encoded as format ("JPG", "BMP", "PNG").
QByteArray EncodedPicture(const char* format, QSize size, QColor colour);

// A small JPEG whose frame header claims width × height pixels: a picture bomb.
QByteArray JpegClaiming(int width, int height);
