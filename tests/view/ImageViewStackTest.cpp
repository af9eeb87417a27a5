// The view's layer stack (order, clamped moves, freeing) and its repaint discipline (update bracket, Changed).
#include <gtest/gtest.h>

#include <QApplication>
#include <stdexcept>

#include "RectLayer.h"
#include "view/ImageView.h"

namespace {

using Log = std::vector<std::string>;

std::string Order(TLayerCollection& layers) {
  std::string names;
  for (int i = 0; i < layers.Count(); ++i) names += LayerName(layers.Items(i));
  return names;
}

struct MoveCase {
  const char* name;
  int from;
  int to;
  const char* order;
};

class SetIndex : public ::testing::TestWithParam<MoveCase> {};

TEST_P(SetIndex, ShiftsTheLayersInBetweenAndClamps) {
  TImage32 view;
  for (const char* name : {"A", "B", "C", "D"}) new RectLayer(&view.Layers(), name, QRect(), nullptr);
  TCustomLayer* moved = view.Layers().Items(GetParam().from);
  moved->SetIndex(GetParam().to);
  EXPECT_EQ(Order(view.Layers()), GetParam().order);
  EXPECT_EQ(view.Layers().Items(moved->Index()), moved);
}

INSTANTIATE_TEST_SUITE_P(Cases, SetIndex,
                         ::testing::Values(MoveCase{"Up", 0, 2, "BCAD"}, MoveCase{"Down", 3, 1, "ADBC"},
                                           MoveCase{"Same", 2, 2, "ABCD"}, MoveCase{"PastTheTop", 1, 99, "ACDB"},
                                           MoveCase{"BelowZero", 2, -5, "CABD"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LayerStack, FrontAndBack) {
  TImage32 view;
  for (const char* name : {"A", "B", "C"}) new RectLayer(&view.Layers(), name, QRect(), nullptr);
  view.Layers().Items(0)->BringToFront();
  EXPECT_EQ(Order(view.Layers()), "BCA");
  view.Layers().Items(2)->SendToBack();
  EXPECT_EQ(Order(view.Layers()), "ABC");
  view.Layers().Items(1)->SendToBack();
  EXPECT_EQ(Order(view.Layers()), "BAC");
}

TEST(LayerStack, FreeingRemovesAndClearFreesFromTheTop) {
  Log log;
  TImage32 view;
  for (const char* name : {"A", "B", "C", "D"}) new RectLayer(&view.Layers(), name, QRect(), &log);
  delete view.Layers().Items(1);
  EXPECT_EQ(Order(view.Layers()), "ACD");
  EXPECT_EQ(view.Layers().Items(2)->Index(), 2);
  view.Layers().Clear();
  EXPECT_EQ(view.Layers().Count(), 0);
  EXPECT_EQ(log, (Log{"B freed", "D freed", "C freed", "A freed"}));
}

TEST(LayerStack, LayerWithoutCollection) {
  RectLayer loose(nullptr, "L", QRect(), nullptr);
  EXPECT_EQ(loose.Index(), -1);
  loose.BringToFront();
  loose.SetVisible(false);
  EXPECT_FALSE(loose.Visible());
}

TEST(LayerOptions, DefaultsAndSwitches) {
  TImage32 view;
  TCustomLayer layer(&view.Layers());
  EXPECT_EQ(layer.LayerOptions(), LOB_VISIBLE);
  layer.SetMouseEvents(true);
  EXPECT_EQ(layer.LayerOptions(), LOB_VISIBLE | LOB_MOUSE_EVENTS);
  layer.SetVisible(false);
  EXPECT_EQ(layer.LayerOptions(), LOB_MOUSE_EVENTS);
  EXPECT_TRUE(layer.HitTest(-1000, 1000));  // a plain layer answers yes everywhere
}

// A shown view whose paints are counted by a layer, to see when a change reaches the screen.
class Repaint : public ::testing::Test {
 protected:
  Repaint() {
    view.resize(120, 80);
    counter = new RectLayer(&view.Layers(), "counter", QRect(0, 0, 10, 10), nullptr);
    view.show();
    Settle();
    counter->paints = 0;
  }
  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  TImage32 view;
  RectLayer* counter;
};

TEST_F(Repaint, ChangedInvalidatesOnlyOutsideTheBracket) {
  view.BeginUpdate();
  view.BeginUpdate();
  counter->SetVisible(false);
  counter->SetVisible(true);
  view.Changed();
  Settle();
  EXPECT_EQ(counter->paints, 0);
  view.EndUpdate();
  view.EndUpdate();
  Settle();
  EXPECT_EQ(counter->paints, 0) << "EndUpdate does nothing but count";
  counter->SetIndex(0);
  counter->Changed();
  Settle();
  EXPECT_EQ(counter->paints, 1);
}

TEST_F(Repaint, EveryKindOfChangeRepaints) {
  const std::vector<std::pair<const char*, std::function<void()>>> changes = {
      {"colour", [&] { view.SetColor(0x123456); }},
      {"bitmap pixels", [&] { view.Bitmap().SetSize(4, 4); }},
      {"master alpha", [&] { view.Bitmap().SetMasterAlpha(50); }},
      {"new layer", [&] { new TCustomLayer(&view.Layers()); }},
      {"layer order", [&] { counter->BringToFront(); }},
      {"freed layer", [&] { delete view.Layers().Items(0); }},
      {"align", [&] { view.SetBitmapAlign(baCenter); }},
  };
  for (const auto& [name, change] : changes) {
    counter->paints = 0;
    change();
    Settle();
    EXPECT_EQ(counter->paints, 1) << name;
  }
}

TEST_F(Repaint, RepaintNowPaintsAtOnceInsideTheBracket) {
  view.BeginUpdate();
  counter->Changed();
  view.RepaintNow();
  EXPECT_EQ(counter->paints, 1);
  view.EndUpdate();
}

TEST(UpdateBracket, UnpairedEndUpdateIsAProgrammingError) {
  TImage32 view;
  view.BeginUpdate();
  view.EndUpdate();
  try {
    view.EndUpdate();
    FAIL() << "no error";
  } catch (const std::logic_error& error) {
    EXPECT_STREQ(error.what(), "Unpaired EndUpdate call");
  }
  EXPECT_EQ(view.UpdateCount(), 0);
}

}  // namespace
