// A plain test layer: a filled rectangle in control coordinates that logs every mouse event it receives.
#pragma once

#include <QImage>
#include <QRect>
#include <string>
#include <vector>

#include "view/ImageView.h"

class RectLayer : public TCustomLayer {
 public:
  RectLayer(TLayerCollection* collection, std::string name, QRect area, std::vector<std::string>* log,
            TColor32 color = 0xFF000000)
      : TCustomLayer(collection), name_(std::move(name)), area_(area), color_(color), log_(log) {
    SetMouseEvents(true);
    OnMouseDown = [this](TCustomLayer*, TMouseButton b, TShiftState, int x, int y) { Log("down", b, x, y); };
    OnMouseMove = [this](TCustomLayer*, TShiftState, int x, int y) { Log("move", mbLeft, x, y); };
    OnMouseUp = [this](TCustomLayer*, TMouseButton b, TShiftState, int x, int y) { Log("up", b, x, y); };
  }
  ~RectLayer() override {
    if (log_) log_->push_back(name_ + " freed");
  }

  void Paint(QImage& buffer, const QRect& clip) override {
    const QRect area = area_ & clip;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) buffer.setPixel(x, y, color_);
    ++paints;
  }

  const std::string& Name() const { return name_; }
  int paints = 0;

 protected:
  bool DoHitTest(int x, int y) override { return area_.contains(x, y); }

 private:
  void Log(const char* what, TMouseButton b, int x, int y) {
    const char* button = b == mbLeft ? "L" : b == mbRight ? "R" : "M";
    log_->push_back(name_ + " " + what + (std::string(what) == "move" ? "" : std::string(" ") + button) + " " +
                    std::to_string(x) + "," + std::to_string(y));
  }

  std::string name_;
  QRect area_;
  TColor32 color_;
  std::vector<std::string>* log_;
};

inline std::string LayerName(TCustomLayer* layer) {
  if (!layer) return "none";
  auto* rect = dynamic_cast<RectLayer*>(layer);
  return rect ? rect->Name() : "?";
}
