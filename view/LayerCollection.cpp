// The layer stack of a view and the base layer: order, options, ownership and the mouse handlers of one layer.
#include <algorithm>

#include "view/Layers.h"

TCustomLayer::TCustomLayer(TLayerCollection* collection) {
  if (collection) collection->Insert(this);
}

TCustomLayer::~TCustomLayer() {
  if (collection_) collection_->Remove(this);
}

int TCustomLayer::Index() const {
  if (!collection_) return -1;
  const auto& items = collection_->items_;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCustomLayer::SetIndex(int index) {
  if (collection_) collection_->Move(this, index);
}

void TCustomLayer::BringToFront() {
  if (collection_) SetIndex(collection_->Count() - 1);
}

void TCustomLayer::SendToBack() { SetIndex(0); }

void TCustomLayer::SetLayerOptions(std::uint32_t options) {
  if (options == options_) return;
  options_ = options;
  Changed();
}

void TCustomLayer::SetVisible(bool visible) {
  SetLayerOptions(visible ? options_ | LOB_VISIBLE : options_ & ~LOB_VISIBLE);
}

void TCustomLayer::SetMouseEvents(bool on) {
  SetLayerOptions(on ? options_ | LOB_MOUSE_EVENTS : options_ & ~LOB_MOUSE_EVENTS);
}

void TCustomLayer::Changed() {
  if (collection_) collection_->LayerChanged(this);
}

void TCustomLayer::DeleteLater() {
  if (!collection_) return;
  TLayerCollection* collection = collection_;
  collection->Remove(this);
  collection->removed_.emplace_back(this);
}

// A handler may drop its own layer's handlers (a locked piece does), which would destroy the std::function while it
// runs; calling a copy keeps the callable alive until it returns.
void TCustomLayer::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (auto handler = OnMouseDown) handler(this, button, shift, x, y);
}

void TCustomLayer::MouseMove(TShiftState shift, int x, int y) {
  if (auto handler = OnMouseMove) handler(this, shift, x, y);
}

void TCustomLayer::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (auto handler = OnMouseUp) handler(this, button, shift, x, y);
}

TLayerCollection::TLayerCollection(TLayerHost* owner) : owner_(owner) {}

TLayerCollection::~TLayerCollection() { Clear(); }

void TLayerCollection::Clear() {
  while (!items_.empty()) delete items_.back();
  FreeRemoved();
}

TCustomLayer* TLayerCollection::FindLayerAtPos(int x, int y) const {
  for (auto it = items_.rbegin(); it != items_.rend(); ++it)
    if ((*it)->MouseEvents() && (*it)->HitTest(x, y)) return *it;
  return nullptr;
}

QPointF TLayerCollection::GetViewportScale() const { return owner_ ? owner_->ViewportScale() : QPointF(1, 1); }

QPointF TLayerCollection::GetViewportShift() const { return owner_ ? owner_->ViewportShift() : QPointF(0, 0); }

void TLayerCollection::Changed() {
  if (owner_) owner_->Changed();
}

void TLayerCollection::LayerChanged(TCustomLayer* layer) {
  if (owner_) owner_->LayerChanged(layer);
}

void TLayerCollection::Insert(TCustomLayer* layer) {
  items_.push_back(layer);
  layer->collection_ = this;
  Changed();
}

void TLayerCollection::Remove(TCustomLayer* layer) {
  if (listener_ == layer) listener_ = nullptr;
  items_.erase(std::find(items_.begin(), items_.end(), layer));
  layer->collection_ = nullptr;
  Changed();
}

void TLayerCollection::Move(TCustomLayer* layer, int index) {
  index = std::clamp(index, 0, Count() - 1);
  const auto from = std::find(items_.begin(), items_.end(), layer);
  const auto to = items_.begin() + index;
  if (from == to) return;
  if (from < to)
    std::rotate(from, from + 1, to + 1);
  else
    std::rotate(to, from, from + 1);
  Changed();
}
