// The free puzzle's clock: it runs only while its window is active and not minimised, resumes from a given time,
// stops when the picture is whole, and the congratulation shows the time beside the best.
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "TableFixture.h"
#include "free/table/FreeWindow.h"

namespace {
TEST(FreeClock, TextOfTheTime) {
  const struct {
    int seconds;
    const char* text;
  } cases[] = {{0, "0:00"}, {5, "0:05"}, {65, "1:05"}, {3599, "59:59"}, {3723, "1:02:03"}, {36000, "10:00:00"}};
  for (const auto& c : cases) EXPECT_EQ(ClockText(c.seconds), c.text) << c.seconds;
}

class FreeClockTest : public testing::Test {
 protected:
  void Send(QEvent::Type type) {
    QEvent event(type);
    QApplication::sendEvent(&window, &event);
  }

  RecordingPlayers players;
  qint64 now = 1000;
  TFreeWindow window{SmallFreePuzzle(12), "/pictures/Часы.jpg", nullptr, [this] { return now; }};
};

TEST_F(FreeClockTest, CountsOnlyWhileTheWindowIsInFront) {
  TFreeClock& clock = window.Clock();
  Send(QEvent::WindowActivate);
  now += 5400;
  EXPECT_EQ(clock.Seconds(), 5);
  Send(QEvent::WindowDeactivate);
  now += 60000;
  EXPECT_EQ(clock.Seconds(), 5) << "another window in front";
  Send(QEvent::WindowActivate);
  now += 1700;
  EXPECT_EQ(clock.Seconds(), 7);
  window.show();
  window.setWindowState(Qt::WindowMinimized);
  ASSERT_TRUE(window.isMinimized());
  now += 60000;
  EXPECT_EQ(clock.Seconds(), 7) << "minimised";
  window.setWindowState(Qt::WindowNoState);
  // The window system answers the new state with events of its own.
  QApplication::processEvents();
  Send(QEvent::WindowActivate);
  now += 900;
  EXPECT_EQ(clock.Seconds(), 8);
  clock.SetSeconds(3723);
  EXPECT_EQ(clock.Seconds(), 3723);
  EXPECT_EQ(window.ClockLabel().text().trimmed(), "Время: 1:02:03");
  now += 2000;
  EXPECT_EQ(clock.Seconds(), 3725);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.ClockLabel().text().trimmed() == "Время: 1:02:05"; }, 2000));
}

TEST_F(FreeClockTest, TheFinishStopsItAndTheCongratulationShowsTheTimes) {
  const struct {
    const char* name;
    std::optional<int> best;
    const char* says;  // besides the time
  } cases[] = {{"first time", std::nullopt, ""},
               {"a record", 4000, "Новый рекорд! Лучшее время было 1:06:40."},
               {"slower than the best", 100, "Лучшее время: 1:40."}};
  for (const auto& c : cases) {
    TFreeWindow finished(SmallFreePuzzle(12), "/pictures/Часы.jpg", nullptr, [this] { return now; });
    QSignalSpy spy(&finished, &TFreeWindow::Finished);
    finished.SetBestSeconds(c.best);
    finished.Clock().SetSeconds(3000);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&finished, &activate);
    now += 125000;
    // Every piece but the last into the frame with the model, the last dragged there with the mouse.
    finished.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finished));
    TFreeTable& table = finished.Table();
    TFreePuzzle& puzzle = table.Puzzle();
    const int last = int(puzzle.Pieces().size()) - 1;
    for (int piece = 0; piece < last; ++piece) {
      const int group = puzzle.GroupOf(piece);
      puzzle.Move(group, puzzle.Frame().topLeft() - puzzle.Place(group).Origin);
      puzzle.Drop(group);
    }
    const QPointF grip = *VisiblePoint(puzzle, last);
    Drag(table, OnView(table, grip), OnView(table, grip + puzzle.Frame().topLeft() - puzzle.Place(last).Origin));
    ASSERT_TRUE(puzzle.Finished()) << c.name;
    ASSERT_EQ(spy.count(), 1) << c.name;
    EXPECT_EQ(spy[0][0].toInt(), 3125) << c.name;
    EXPECT_FALSE(finished.Clock().Running()) << c.name;
    now += 50000;
    QApplication::sendEvent(&finished, &activate);
    EXPECT_EQ(finished.Clock().Seconds(), 3125) << c.name << ": stopped for good";
    const QString text = finished.Congratulation().text();
    EXPECT_TRUE(text.contains("Время: 52:05")) << c.name << ": " << text.toStdString();
    EXPECT_TRUE(text.endsWith(c.says)) << c.name << ": " << text.toStdString();
  }
}
}  // namespace
