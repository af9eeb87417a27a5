// Drawing a bitmap through an affine transformation into the view's buffer, nearest-neighbour, no temporary bitmap.
#pragma once

#include <QImage>
#include <QRect>

#include "pieces/AffineTransformation.h"
#include "view/Bitmap32.h"

// Every buffer pixel inside clip and inside the bounding box of the mapped bitmap takes the bitmap pixel under its
// centre, laid over with alpha × master alpha / 255 (blend mode) or replacing it (opaque mode). Pixels whose centre
// maps outside the bitmap are left alone.
void DrawTransformed(QImage& buffer, const QRect& clip, const TBitmap32& bitmap, const TAffineTransformation& map);
