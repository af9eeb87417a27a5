// The rotated piece layer: a layer owning a bitmap that it draws turned about a pivot, placed in view coordinates.
#pragma once

#include "pieces/AffineTransformation.h"
#include "pieces/Geometry.h"
#include "view/Bitmap32.h"
#include "view/Layers.h"

// A layer that shows its own bitmap through an affine transformation (bitmap pixels → control pixels).
class TCustomAffineLayer : public TCustomLayer {
 public:
  explicit TCustomAffineLayer(TLayerCollection* ALayerCollection);

  TBitmap32& Bitmap() { return FBitmap; }
  const TBitmap32& Bitmap() const { return FBitmap; }
  // Copies size, pixels, draw mode and master alpha; the caller keeps Value.
  void SetBitmap(const TBitmap32& Value);

  // Rebuilds the transformation, then draws the bitmap through it.
  void Paint(QImage& buffer, const QRect& clip) override;
  // The mapped bitmap rectangle as the next paint would place it, with a pixel to spare on every side.
  std::optional<QRect> PaintExtent() const override;

 protected:
  // Whether the control point falls on the bitmap rectangle as placed by the last paint; alpha is not consulted.
  bool DoHitTest(int X, int Y) override;
  // Sets up t (whose source rectangle is the bitmap's) to place the bitmap as the layer stands now.
  virtual void AdjustTransformation(TAffineTransformation&) const {}
  TAffineTransformation& Transformation() { return FTransformation; }
  const TAffineTransformation& Transformation() const { return FTransformation; }

  TFloatPoint FBitmapCenter;

 private:
  void BitmapChanged();

  TAffineTransformation FTransformation;
  TBitmap32 FBitmap;
};

// A piece: its bitmap's pivot lands at Position (view bitmap coordinates), turned by Angle degrees counter-clockwise,
// and, when Scaled, zoomed and shifted with the view.
class TRotLayer : public TCustomAffineLayer {
 public:
  using TCustomAffineLayer::TCustomAffineLayer;

  // Setters store the value as given (no wrap of the angle, no comparison) and report the layer changed.
  float Angle() const { return FAngle; }
  void SetAngle(float Value);
  TFloatPoint BitmapCenter() const { return FBitmapCenter; }
  void SetBitmapCenter(TFloatPoint Value);
  TFloatPoint Position() const { return FPosition; }
  void SetPosition(TFloatPoint Value);
  bool Scaled() const { return FScaled; }
  void SetScaled(bool Value);

 protected:
  void AdjustTransformation(TAffineTransformation& t) const override;

 private:
  TFloatPoint FPosition;
  bool FScaled = false;
  float FAngle = 0;
};
