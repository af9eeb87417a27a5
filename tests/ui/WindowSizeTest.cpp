// The main window on real desktop sizes: square where it fits, never past its screen, maximised and full screen
// with every control in view, and given back as it was after full screen or on a smaller second screen.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "engine/PicPuzzle.h"
#include "support/ScreenConfig.h"
#include "support/WindowFixture.h"
#include "ui/BackgroundPanel.h"
#include "ui/MainForm.h"
#include "ui/RaisedLabel.h"
#include "ui/WindowPlacement.h"

namespace {
TEST(WindowFit, SquareWithinTheRoomAndCentredWhenNotSquare) {
  const struct {
    QSize wanted, room, expected;
  } fits[] = {
      {{711, 620}, {1362, 740}, {711, 711}},       // the design size, square
      {{1920, 1920}, {1916, 1050}, {1050, 1050}},  // what a maximise on a wide screen asked for
      {{600, 900}, {1916, 1196}, {900, 900}},     {{300, 300}, {1916, 1196}, {548, 548}},
      {{300, 300}, {500, 400}, {400, 400}},  // a screen smaller than the smallest window still holds it
  };
  for (const auto& c : fits)
    EXPECT_EQ(FitSquare(c.wanted, c.room), c.expected) << c.wanted.width() << "x" << c.room.height();
  EXPECT_EQ(CentredSquare(QRect(0, 0, 1920, 1080)), QRect(420, 0, 1080, 1080));
  EXPECT_EQ(CentredSquare(QRect(0, 0, 700, 1000)), QRect(0, 150, 700, 700));
  const QRect screen(1920, 0, 1366, 768);
  EXPECT_EQ(KeepInside(QRect(1900, -20, 704, 704), screen), QPoint(1920, 0));
  EXPECT_EQ(KeepInside(QRect(3000, 500, 704, 704), screen), QPoint(1920 + 1366 - 704, 768 - 704));
  EXPECT_EQ(KeepInside(QRect(2000, 10, 704, 704), screen), QPoint(2000, 10));
}

// Each desktop is its own program run: the offscreen platform takes its screens at start.
struct Desktop {
  const char* name;
  std::vector<QRect> screens;  // device pixels
  const char* scale;           // QT_SCALE_FACTOR, or nullptr
};

class WindowOnDesktop : public ::testing::TestWithParam<Desktop> {};

TEST_P(WindowOnDesktop, FitsItsScreens) {
  const QTemporaryDir scratch;
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", OffscreenPlatform(scratch.path(), GetParam().screens));
  if (GetParam().scale) environment.insert("QT_SCALE_FACTOR", GetParam().scale);
  environment.insert("PUZZLE_TEST_DESKTOP", GetParam().name);
  child.setProcessEnvironment(environment);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=WindowOnThisDesktop.*"});
  ASSERT_TRUE(child.waitForFinished(60000));
  const QString output = QString::fromUtf8(child.readAll());
  EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
  EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, WindowOnDesktop,
    ::testing::Values(Desktop{"laptop_1366x768", {{0, 0, 1366, 768}}, nullptr},
                      Desktop{"full_hd_1920x1080", {{0, 0, 1920, 1080}}, nullptr},
                      Desktop{"qhd_2560x1440", {{0, 0, 2560, 1440}}, nullptr},
                      Desktop{"uhd_3840x2160_scaled_2", {{0, 0, 3840, 2160}}, "2"},
                      Desktop{"full_hd_beside_1366x768", {{0, 0, 1920, 1080}, {1920, 0, 1366, 768}}, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// The window on the desktop the program has: the tests' own screen in a plain run, and each of WindowOnDesktop's
// desktops in the program it starts.
class WindowOnThisDesktop : public WindowFixture {
 protected:
  void SetUp() override { OpenWindow(); }

  QRect Available() const { return form->screen()->availableGeometry(); }

  void ExpectSquareOnItsScreen(const char* when) {
    SCOPED_TRACE(when);
    EXPECT_EQ(form->width(), form->height());
    EXPECT_GE(form->width(), std::min(548, Available().height() - 4));
    EXPECT_TRUE(Available().contains(form->frameGeometry()))
        << "frame " << form->frameGeometry().x() << "," << form->frameGeometry().y() << " "
        << form->frameGeometry().width() << "x" << form->frameGeometry().height() << " on " << Available().width()
        << "x" << Available().height();
  }

  // The board's square in the middle, the wood around it, and every control inside the window.
  void ExpectBoardSquareWithEveryControl(const char* when) {
    SCOPED_TRACE(when);
    const QRect panel = form->Panel->geometry();
    EXPECT_EQ(panel, CentredSquare(form->rect()));
    EXPECT_EQ(form->Table->geometry(), form->rect());
    EXPECT_TRUE(form->Table->isVisible());
    EXPECT_EQ(Puzzle.GameStatus.ParentWidth, panel.width());
    const QWidget* controls[] = {form->BmpButton1, form->BmpButton2, form->BmpButton3,    form->BmpButton4,
                                 form->BmpButton5, form->ClockLabel, form->RzBackground1, form->ScoreLabel,
                                 form->GroupBox,   form->Im_list,    form->RzBitBtn1,     form->RzBitBtn2,
                                 form->RzBitBtn3,  form->RzBitBtn4,  form->HelpButton};
    for (const QWidget* control : controls) {
      const QRect inWindow(control->mapTo(form.get(), QPoint(0, 0)), control->size());
      EXPECT_TRUE(form->rect().contains(inWindow))
          << control->metaObject()->className() << " at " << inWindow.x() << "," << inWindow.y() << " in "
          << form->width() << "x" << form->height();
    }
  }
};

TEST_F(WindowOnThisDesktop, StaysOnItsScreens) {
  ExpectSquareOnItsScreen("at start");
  form->resize(4000, 4000);
  ExpectSquareOnItsScreen("asked to grow past the screen");

  form->showMaximized();
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->isMaximized(); }));
  QCoreApplication::processEvents();
  EXPECT_TRUE(Available().contains(form->frameGeometry()));
  ExpectBoardSquareWithEveryControl("maximised");
  form->showNormal();
  QCoreApplication::processEvents();
  ExpectSquareOnItsScreen("back from maximised");

  form->resize(640, 640);
  form->move(Available().topLeft() + QPoint(30, 20));
  QCoreApplication::processEvents();
  const QRect before = form->geometry();
  QTest::keyClick(form.get(), Qt::Key_F11);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->isFullScreen(); }));
  QCoreApplication::processEvents();
  EXPECT_EQ(form->geometry(), form->screen()->geometry());
  ExpectBoardSquareWithEveryControl("full screen");
  QTest::keyClick(form.get(), Qt::Key_F11);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form->isFullScreen(); }));
  QTest::qWait(20);
  EXPECT_EQ(form->geometry(), before) << "F11 twice gives the window back as it was";

  if (QGuiApplication::screens().size() < 2) return;
  // Dragged onto the smaller screen beside: it shrinks to fit and comes wholly onto it.
  QScreen* smaller = QGuiApplication::screens()[1];
  form->resize(1000, 1000);
  QCoreApplication::processEvents();
  ASSERT_EQ(form->size(), QSize(1000, 1000));
  form->move(smaller->geometry().topLeft() + QPoint(100, 50));
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->screen() == smaller; }));
  QCoreApplication::processEvents();
  ExpectSquareOnItsScreen("on the smaller screen");
  EXPECT_LE(form->height(), 768);
}
}  // namespace
