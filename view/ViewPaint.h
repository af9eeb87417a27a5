// The view's drawing steps on its off-screen buffer (Format_RGB32): background fill and the stretched bitmap.
#pragma once

#include <QImage>
#include <QRect>

#include "view/Bitmap32.h"

// Fills the pixels of clip that lie outside hole with color; an empty hole fills all of clip.
void FillOutside(QImage& buffer, const QRect& clip, const QRect& hole, TColor32 color);

// Draws the bitmap stretched into dest with nearest-neighbour sampling, honouring its draw mode and master alpha;
// only pixels inside clip are touched.
void StretchDrawNearest(QImage& buffer, const QRect& clip, const QRect& dest, const TBitmap32& bitmap);
