// Applying a piece's shape mask at the piece's size without resampling the whole mask.
#pragma once

#include "play/Bitmap32.h"

// Clears the alpha of every piece pixel outside the shape, exactly as ScaleBmp(mask, piece size) followed by
// CombineBmp(mask, piece) would, but resampling only near the mask's edges. The mask itself is left as it is.
void CombineScaledMask(const TBitmap32& mask, TBitmap32& piece);
