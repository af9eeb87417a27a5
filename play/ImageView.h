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

#include "play/Bitmap32.h"

class TImage32;
class TLayerCollection;
class TCustomLayer;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
// Shift state bits.
enum : int { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = int;

enum TBitmapAlign { baTopLeft, baCenter };
enum TScaleMode { smStretch, smResize };

constexpr std::uint32_t LOB_VISIBLE = 0x80000000u;
constexpr std::uint32_t LOB_MOUSE_EVENTS = 0x20000000u;

using TLayerMouseEvent =
    std::function<void(TCustomLayer* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TLayerMouseMoveEvent = std::function<void(TCustomLayer* sender, TShiftState shift, int x, int y)>;
using TImageMouseEvent =
    std::function<void(TImage32* sender, TMouseButton button, TShiftState shift, int x, int y, TCustomLayer* layer)>;
using TImageMouseMoveEvent =
    std::function<void(TImage32* sender, TShiftState shift, int x, int y, TCustomLayer* layer)>;
using TNotifyEvent = std::function<void(QObject* sender)>;

// One layer of a view. Created with a collection it is appended at the top; deleting it removes it from the collection.
class TCustomLayer {
 public:
  explicit TCustomLayer(TLayerCollection* collection);
  virtual ~TCustomLayer();
  TCustomLayer(const TCustomLayer&) = delete;
  TCustomLayer& operator=(const TCustomLayer&) = delete;

  TLayerCollection* LayerCollection() const { return collection_; }
  int Index() const;
  void SetIndex(int index);
  void BringToFront();
  void SendToBack();

  std::uint32_t LayerOptions() const { return options_; }
  void SetLayerOptions(std::uint32_t options);
  bool Visible() const { return options_ & LOB_VISIBLE; }
  void SetVisible(bool visible);
  bool MouseEvents() const { return options_ & LOB_MOUSE_EVENTS; }
  void SetMouseEvents(bool on);

  int Tag = 0;
  TLayerMouseEvent OnMouseDown;
  TLayerMouseMoveEvent OnMouseMove;
  TLayerMouseEvent OnMouseUp;

  bool HitTest(int x, int y) { return DoHitTest(x, y); }
  // Reports the layer as changed: the view repaints where it was and where it is now, unless inside an update bracket.
  virtual void Changed();
  // Draws the layer into the view's buffer (Format_RGB32, the control's size), touching only pixels inside clip.
  virtual void Paint(QImage& buffer, const QRect& clip) {}
  // The control pixels Paint may touch as the layer stands now; none when that cannot be told (then a change of the
  // layer repaints the whole view).
  virtual std::optional<QRect> PaintExtent() const { return std::nullopt; }

  // Routed by the view; each runs the matching handler.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

  bool ButtonPressed(TMouseButton button) const { return pressed_[button]; }
  void SetButtonPressed(TMouseButton button, bool pressed) { pressed_[button] = pressed; }
  // Expires when the layer is freed, so the view can tell whether a handler freed the layer it was called for.
  std::weak_ptr<void> Lifetime() const { return lifetime_; }

 protected:
  virtual bool DoHitTest(int x, int y) { return true; }

 private:
  friend class TLayerCollection;
  friend class TImage32;
  TLayerCollection* collection_ = nullptr;
  // Where the view last knew the layer to be drawn, so that a change repaints the place it leaves.
  std::optional<QRect> shownExtent_;
  std::uint32_t options_ = LOB_VISIBLE;
  bool pressed_[3] = {false, false, false};
  std::shared_ptr<char> lifetime_ = std::make_shared<char>();
};

// The ordered layer stack of a view: index 0 is drawn first, the last index is hit first. Owns its layers.
class TLayerCollection {
 public:
  explicit TLayerCollection(TImage32* owner = nullptr);
  ~TLayerCollection();
  TLayerCollection(const TLayerCollection&) = delete;
  TLayerCollection& operator=(const TLayerCollection&) = delete;

  TImage32* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TCustomLayer* Items(int index) const { return items_.at(index); }
  // Frees every layer, from the top down.
  void Clear();

  bool MouseEvents = true;
  TCustomLayer* MouseListener() const { return listener_; }
  void SetMouseListener(TCustomLayer* layer) { listener_ = layer; }

  // The topmost layer with mouse events on whose hit test accepts the control point, or none.
  TCustomLayer* FindLayerAtPos(int x, int y) const;

  // The owning view's cached transform; (1, 1) and (0, 0) without a view.
  QPointF GetViewportScale() const;
  QPointF GetViewportShift() const;

  // Called by layers and by the view: anything in the stack changed.
  void Changed();
  // Called by a layer about itself.
  void LayerChanged(TCustomLayer* layer);

 private:
  friend class TCustomLayer;
  void Insert(TCustomLayer* layer);
  void Remove(TCustomLayer* layer);
  void Move(TCustomLayer* layer, int index);

  TImage32* owner_;
  std::vector<TCustomLayer*> items_;
  TCustomLayer* listener_ = nullptr;
};

// The image control: its bitmap fitted by scale mode and alignment, layers painted above, mouse routed to layers.
class TImage32 : public QWidget {
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
  QPointF ViewportScale() const;
  QPointF ViewportShift() const;
  // Drops the cached transform; the next conversion recomputes it.
  void InvalidateCache() { cacheValid_ = false; }

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }
  // A change of the bitmap, the geometry or the layer stack: invalidates the control unless inside an update bracket.
  void Changed();
  // A change of one layer: invalidates where it was and where it is now, unless inside an update bracket.
  void LayerChanged(TCustomLayer* layer);
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
