// Mouse routing of the view: which layer gets a press, move or release, capture, and the double-click order.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "RectLayer.h"
#include "pieces/RotLayer.h"
#include "view/ImageView.h"

namespace {

using Log = std::vector<std::string>;

class Routing : public ::testing::Test {
 protected:
  Routing() {
    view.resize(200, 100);
    view.OnMouseDown = [this](TImage32*, TMouseButton, TShiftState, int x, int y, TCustomLayer* layer) {
      log.push_back("view down " + std::to_string(x) + "," + std::to_string(y) + " " + LayerName(layer));
    };
    view.OnMouseMove = [this](TImage32*, TShiftState, int x, int y, TCustomLayer* layer) {
      log.push_back("view move " + std::to_string(x) + "," + std::to_string(y) + " " + LayerName(layer));
    };
    view.OnMouseUp = [this](TImage32*, TMouseButton, TShiftState, int x, int y, TCustomLayer* layer) {
      log.push_back("view up " + std::to_string(x) + "," + std::to_string(y) + " " + LayerName(layer));
    };
    view.OnDblClick = [this](QObject*) { log.push_back("view dblclick"); };
  }
  RectLayer* Add(const char* name, QRect area) { return new RectLayer(&view.Layers(), name, area, &log); }
  void Send(QEvent::Type type, Qt::MouseButton button, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(view.mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
  }

  Log log;  // before the view: freed layers still write to it
  TImage32 view;
};

struct PressCase {
  const char* name;
  QPoint at;
  bool frontFirst;  // BringToFront on the lower layer before the press
  const char* expected;
};

class PressTarget : public Routing, public ::testing::WithParamInterface<PressCase> {};

TEST_P(PressTarget, GoesToTopmostLayerUnderThePoint) {
  Add("A", QRect(10, 10, 50, 50));
  RectLayer* a = static_cast<RectLayer*>(view.Layers().Items(0));
  Add("B", QRect(40, 40, 50, 50));
  Add("quiet", QRect(0, 0, 200, 100))->SetMouseEvents(false);  // on top, but deaf
  if (GetParam().frontFirst) a->BringToFront();
  view.DoMouseDown(mbLeft, ssLeft, GetParam().at.x(), GetParam().at.y());
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), std::string("view down ") + std::to_string(GetParam().at.x()) + "," +
                            std::to_string(GetParam().at.y()) + " " + GetParam().expected);
  EXPECT_EQ(LayerName(view.Layers().MouseListener()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PressTarget,
                         ::testing::Values(PressCase{"OverlapGoesToHigherIndex", {45, 45}, false, "B"},
                                           PressCase{"BringToFrontTakesTheOverlap", {45, 45}, true, "A"},
                                           PressCase{"OnlyLowerLayer", {15, 15}, false, "A"},
                                           PressCase{"BareControl", {150, 90}, false, "none"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Master alpha only fades the drawing: a piece hidden while another is held still takes a press.
TEST_F(Routing, PieceAtMasterAlphaZeroIsStillHit) {
  Add("below", QRect(0, 0, 200, 100));
  auto* piece = new TRotLayer(&view.Layers());
  piece->Bitmap().SetSize(40, 40);
  piece->Bitmap().Clear(0xFF808080);
  piece->Bitmap().SetDrawMode(dmBlend);
  piece->Bitmap().SetMasterAlpha(0);
  piece->SetBitmapCenter({20, 20});
  piece->SetPosition({100, 50});
  piece->SetScaled(true);
  piece->SetMouseEvents(true);
  view.Render();
  view.DoMouseDown(mbLeft, ssLeft, 100, 50);
  EXPECT_EQ(view.Layers().MouseListener(), piece);
  EXPECT_EQ(log, (Log{"view down 100,50 ?"}));
}

TEST_F(Routing, LayerHandlerRunsBeforeControlHandler) {
  Add("A", QRect(10, 10, 50, 50));
  view.DoMouseDown(mbRight, ssRight, 20, 20);
  EXPECT_EQ(log, (Log{"A down R 20,20", "view down 20,20 A"}));
}

TEST_F(Routing, CaptureKeepsMovesOutsideTheControl) {
  Add("A", QRect(10, 10, 50, 50));
  Add("B", QRect(100, 10, 50, 50));
  view.DoMouseDown(mbLeft, ssLeft, 20, 20);
  view.DoMouseMove(ssLeft, 120, 20);  // over B, still A's
  view.DoMouseMove(ssLeft, -30, 250);
  view.DoMouseUp(mbLeft, 0, 260, -7);
  view.DoMouseMove(0, 120, 20);  // capture over: B again
  EXPECT_EQ(log,
            (Log{"A down L 20,20", "view down 20,20 A", "A move 120,20", "view move 120,20 A", "A move -30,250",
                 "view move -30,250 A", "A up L 260,-7", "view up 260,-7 A", "B move 120,20", "view move 120,20 B"}));
}

TEST_F(Routing, CaptureLastsUntilEveryButtonIsReleased) {
  Add("A", QRect(10, 10, 50, 50));
  view.DoMouseDown(mbLeft, ssLeft, 20, 20);
  view.DoMouseDown(mbRight, ssLeft | ssRight, 500, 500);  // the listener takes it wherever it is
  view.DoMouseUp(mbLeft, ssRight, 20, 20);
  EXPECT_EQ(LayerName(view.Layers().MouseListener()), "A");
  view.DoMouseUp(mbRight, 0, 20, 20);
  EXPECT_EQ(view.Layers().MouseListener(), nullptr);
  EXPECT_EQ(log[2], "A down R 500,500");
}

TEST_F(Routing, MouseEventsOffReachesNoLayer) {
  Add("A", QRect(0, 0, 200, 100));
  view.Layers().MouseEvents = false;
  view.DoMouseDown(mbLeft, ssLeft, 20, 20);
  view.DoMouseMove(ssLeft, 25, 20);
  view.DoMouseUp(mbLeft, 0, 25, 20);
  EXPECT_EQ(log, (Log{"view down 20,20 none", "view move 25,20 none", "view up 25,20 none"}));
}

TEST_F(Routing, DoubleClickReleasesAtOriginThenPressesAsUsual) {
  Add("Z", QRect(0, 0, 5, 5));  // lies under control point (0, 0)
  Add("P", QRect(100, 40, 20, 20));
  const QPoint at(110, 50);
  Send(QEvent::MouseButtonPress, Qt::LeftButton, at, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, Qt::LeftButton, at, Qt::NoButton);
  log.clear();
  Send(QEvent::MouseButtonDblClick, Qt::LeftButton, at, Qt::LeftButton);
  EXPECT_EQ(log, (Log{"Z up L 0,0", "view up 0,0 Z", "view dblclick", "P down L 110,50", "view down 110,50 P"}));
  log.clear();
  Send(QEvent::MouseButtonRelease, Qt::LeftButton, at, Qt::NoButton);
  EXPECT_EQ(log, (Log{"P up L 110,50", "view up 110,50 P"}));
}

TEST_F(Routing, DoubleClickForgetsTheListener) {
  Add("P", QRect(100, 40, 20, 20));
  view.DoMouseDown(mbLeft, ssLeft, 110, 50);
  view.DoDblClick();
  EXPECT_EQ(view.Layers().MouseListener(), nullptr);
  EXPECT_EQ(log.back(), "view dblclick");
  EXPECT_EQ(log[log.size() - 2], "view up 0,0 none");
}

TEST_F(Routing, RightDoubleClickIsOnlyAPress) {
  Add("P", QRect(100, 40, 20, 20));
  Send(QEvent::MouseButtonDblClick, Qt::RightButton, QPoint(110, 50), Qt::RightButton);
  EXPECT_EQ(log, (Log{"P down R 110,50", "view down 110,50 P"}));
}

TEST_F(Routing, QtEventsReachTheRoutingWithControlCoordinates) {
  Add("A", QRect(10, 10, 50, 50));
  Send(QEvent::MouseButtonPress, Qt::LeftButton, QPoint(20, 30), Qt::LeftButton);
  Send(QEvent::MouseMove, Qt::NoButton, QPoint(-40, 130), Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(-40, 130), Qt::NoButton);
  EXPECT_EQ(log, (Log{"A down L 20,30", "view down 20,30 A", "A move -40,130", "view move -40,130 A", "A up L -40,130",
                      "view up -40,130 A"}));
}

TEST_F(Routing, ClickNeedsLeftPressAndReleaseInside) {
  int clicks = 0;
  view.OnClick = [&](QObject*) { ++clicks; };
  Send(QEvent::MouseButtonPress, Qt::LeftButton, QPoint(20, 30), Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(20, 30), Qt::NoButton);
  EXPECT_EQ(clicks, 1);
  Send(QEvent::MouseButtonPress, Qt::LeftButton, QPoint(20, 30), Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(300, 30), Qt::NoButton);
  Send(QEvent::MouseButtonPress, Qt::RightButton, QPoint(20, 30), Qt::RightButton);
  Send(QEvent::MouseButtonRelease, Qt::RightButton, QPoint(20, 30), Qt::NoButton);
  EXPECT_EQ(clicks, 1);
}

// The tray takes a thumbnail away inside its own press handler: it leaves the stack at once and is freed only
// when the press has been routed, so neither the handler nor the view ever holds a freed layer.
TEST_F(Routing, LayerRemovedInItsOwnPressHandler) {
  RectLayer* a = Add("A", QRect(10, 10, 50, 50));
  Add("below", QRect(0, 0, 200, 100))->SendToBack();
  a->OnMouseDown = [this](TCustomLayer* sender, TMouseButton, TShiftState, int, int) {
    sender->DeleteLater();
    log.push_back(QString("handler done, %1 layer").arg(view.Layers().Count()).toStdString());
  };
  view.DoMouseDown(mbLeft, ssLeft, 20, 20);
  EXPECT_EQ(view.Layers().MouseListener(), nullptr);
  EXPECT_EQ(view.Layers().Count(), 1);
  view.DoMouseMove(ssLeft, 20, 20);  // the next event finds its target afresh
  EXPECT_EQ(log, (Log{"handler done, 1 layer", "view down 20,20 none", "A freed", "below move 20,20",
                      "view move 20,20 below"}));
}

TEST_F(Routing, FreeingTheListenerForgetsIt) {
  RectLayer* a = Add("A", QRect(10, 10, 50, 50));
  view.DoMouseDown(mbLeft, ssLeft, 20, 20);
  ASSERT_EQ(view.Layers().MouseListener(), a);
  delete a;
  EXPECT_EQ(view.Layers().MouseListener(), nullptr);
  EXPECT_EQ(view.Layers().Count(), 0);
}

}  // namespace
