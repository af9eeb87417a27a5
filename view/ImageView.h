// The layered image view: a bitmap fitted into a control with a stack of mouse-aware layers above it.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "view/Bitmap32.h"
#include "view/Layers.h"

class TImage32;

using TImageMouseEvent =
    std::function<void(TImage32* sender, TMouseButton button, TShiftState shift, int x, int y, TCustomLayer* layer)>;
using TImageMouseMoveEvent =
    std::function<void(TImage32* sender, TShiftState shift, int x, int y, TCustomLayer* layer)>;
using TNotifyEvent = std::function<void(QObject* sender)>;

// The image control: its bitmap fitted by scale mode and alignment, layers painted above, mouse routed to layers.
class TImage32 : public QWidget, public TLayerHost {
  Q_OBJECT

 public:
  explicit TImage32(QWidget* parent = nullptr);
  ~TImage32() override;

  TBitmap32& Bitmap() { return bitmap_; }
  const TBitmap32& Bitmap() const { return bitmap_; }
  TLayerCollection& Layers() { return *layers_; }

  // 0x00BBGGRR colour value of the window toolkit.
  std::uint32_t Color() const { return color_; }
  void SetColor(std::uint32_t color);
  TBitmapAlign BitmapAlign() const { return align_; }
  void SetBitmapAlign(TBitmapAlign align);
  TScaleMode ScaleMode() const { return scaleMode_; }
  void SetScaleMode(TScaleMode mode);
  float Scale() const { return scale_; }
  void SetScale(float scale);

  QSize GetBitmapSize() const;
  QRect GetBitmapRect() const;
  QPoint ControlToBitmap(QPoint p) const;
  QPointF ControlToBitmap(QPointF p) const;
  QPoint BitmapToControl(QPoint p) const;
  QPointF BitmapToControl(QPointF p) const;
  QPointF ViewportScale() const override;
  QPointF ViewportShift() const override;
  // Drops the cached transform; the next conversion recomputes it.
  void InvalidateCache() { cacheValid_ = false; }

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }
  // A change of the bitmap, the geometry or the layer stack: invalidates the control unless inside an update bracket.
  void Changed() override;
  // A change of one layer: invalidates where it was and where it is now, unless inside an update bracket.
  void LayerChanged(TCustomLayer* layer) override;
  // Paints at once, whatever the update count, everything that changed since the last invalidation.
  void RepaintNow();

  // Paints the whole control afresh, as the player would see it, into a new image of the control's size.
  QImage Render();
  // The off-screen buffer as last copied to the screen.
  const QImage& Shown() const { return buffer_; }

  TImageMouseEvent OnMouseDown;
  TImageMouseMoveEvent OnMouseMove;
  TImageMouseEvent OnMouseUp;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnClick;

  // Mouse routing, also called directly by tests with control coordinates.
  void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void DoMouseMove(TShiftState shift, int x, int y);
  void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void DoDblClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // The layer that hears the mouse at a control point: the one holding the capture, else the topmost hit.
  TCustomLayer* RouteTarget(int x, int y) const;
  // The layer, unless its handler took it out of the stack: the control's handler only hears of shown layers.
  TCustomLayer* StillShown(TCustomLayer* layer) const;
  void UpdateCache() const;
  void BitmapChanged();
  // Hands what changed to the toolkit: to paint later, or at once.
  void Invalidate(bool now);
  // Paints the bitmap and the layers below index `end` inside clip.
  void PaintStack(QImage& buffer, const QRect& clip, int end);
  // Paints everything inside clip, from the background cache when it holds.
  void PaintTo(QImage& buffer, const QRect& clip);
  void BuildBackground();

  TBitmap32 bitmap_;
  std::unique_ptr<TLayerCollection> layers_;
  std::uint32_t color_ = 0x00FFFFFF;
  TBitmapAlign align_ = baTopLeft;
  TScaleMode scaleMode_ = smStretch;
  float scale_ = 1.0f;
  int updateCount_ = 0;

  // A hidden widget gets its resize event only when shown, so the cache also remembers the sizes it was built for.
  mutable bool cacheValid_ = false;
  mutable QSize cachedControlSize_, cachedBitmapSize_;
  mutable QRect cachedRect_;
  mutable float cachedShiftX_ = 0, cachedShiftY_ = 0, cachedScaleX_ = 1, cachedScaleY_ = 1;
  mutable float cachedRecScaleX_ = 1, cachedRecScaleY_ = 1;
  mutable bool geometryChanged_ = true;
  bool clicked_ = false;
  QImage buffer_;

  // Waiting to be handed to the toolkit, and handed to it but not painted yet.
  QRegion dirty_;
  bool dirtyAll_ = false;
  QRegion pending_;
  bool pendingAll_ = false;
  // While only the top layer moves (a dragged piece), the picture and every other layer are painted once into the
  // background and each frame copies it back where the piece was and is. Valid while backgroundTop_ is set.
  QImage background_;
  TCustomLayer* backgroundTop_ = nullptr;
  // Something other than the top layer changed since the last paint.
  bool lowerChanged_ = true;
};
