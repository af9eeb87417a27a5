// A view's layer stack: the layers, their mouse routing state and the collection that orders and owns them.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TLayerCollection;
class TCustomLayer;

// What a layer stack needs of the view that shows it. The view implements it, so the stack knows no widget.
class TLayerHost {
 public:
  // Anything in the stack changed / one layer changed itself.
  virtual void Changed() = 0;
  virtual void LayerChanged(TCustomLayer* layer) = 0;
  // The view's bitmap-to-control transform.
  virtual QPointF ViewportScale() const = 0;
  virtual QPointF ViewportShift() const = 0;

 protected:
  ~TLayerHost() = default;
};

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
  virtual void Paint(QImage&, const QRect&) {}
  // The control pixels Paint may touch as the layer stands now; none when that cannot be told (then a change of the
  // layer repaints the whole view).
  virtual std::optional<QRect> PaintExtent() const { return std::nullopt; }

  // Routed by the view; each runs the matching handler.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

  bool ButtonPressed(TMouseButton button) const { return pressed_[button]; }
  void SetButtonPressed(TMouseButton button, bool pressed) { pressed_[button] = pressed; }
  // Takes the layer out of its stack at once (no longer drawn, hit or listening) and frees it once the event being
  // routed is done, so a handler may remove its own layer.
  void DeleteLater();

 protected:
  virtual bool DoHitTest(int, int) { return true; }

 private:
  friend class TLayerCollection;
  friend class TImage32;
  TLayerCollection* collection_ = nullptr;
  // Where the view last knew the layer to be drawn, so that a change repaints the place it leaves.
  std::optional<QRect> shownExtent_;
  std::uint32_t options_ = LOB_VISIBLE;
  bool pressed_[3] = {false, false, false};
};

// The ordered layer stack of a view: index 0 is drawn first, the last index is hit first. Owns its layers.
class TLayerCollection {
 public:
  explicit TLayerCollection(TLayerHost* owner = nullptr);
  ~TLayerCollection();
  TLayerCollection(const TLayerCollection&) = delete;
  TLayerCollection& operator=(const TLayerCollection&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  TCustomLayer* Items(int index) const { return items_.at(index); }
  // Frees every layer, from the top down.
  void Clear();

  bool MouseEvents = true;
  TCustomLayer* MouseListener() const { return listener_; }
  void SetMouseListener(TCustomLayer* layer) { listener_ = layer; }

  // The topmost layer with mouse events on whose hit test accepts the control point, or none.
  TCustomLayer* FindLayerAtPos(int x, int y) const;

  // The owning view's transform; (1, 1) and (0, 0) without a view.
  QPointF GetViewportScale() const;
  QPointF GetViewportShift() const;

  // Frees the layers taken out by DeleteLater; the view calls it when it has routed an event.
  void FreeRemoved() { removed_.clear(); }

  // Called by layers and by the view: anything in the stack changed.
  void Changed();
  // Called by a layer about itself.
  void LayerChanged(TCustomLayer* layer);

 private:
  friend class TCustomLayer;
  void Insert(TCustomLayer* layer);
  void Remove(TCustomLayer* layer);
  void Move(TCustomLayer* layer, int index);

  TLayerHost* owner_;
  std::vector<TCustomLayer*> items_;
  std::vector<std::unique_ptr<TCustomLayer>> removed_;
  TCustomLayer* listener_ = nullptr;
};
