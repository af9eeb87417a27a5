// The session's quit signals reach the event loop, held signals included, instead of ending the program.
#include <gtest/gtest.h>

#include <QTest>
#include <csignal>
#include <vector>

#include "platform/QuitSignals.h"

namespace {
class QuitSignals : public ::testing::Test {
 protected:
  void TearDown() override {
    DeliverQuitSignals([](int) {});
    // The rest of the test program ends on these signals as any program does.
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) std::signal(signal, SIG_DFL);
  }
};

TEST_F(QuitSignals, EachSignalReachesTheEventLoopOnce) {
  HoldQuitSignals();
  std::raise(SIGTERM);  // held before anyone listens
  std::vector<int> seen;
  DeliverQuitSignals([&seen](int signal) { seen.push_back(signal); });
  std::raise(SIGINT);
  std::raise(SIGHUP);
  EXPECT_TRUE(QTest::qWaitFor([&seen] { return seen.size() >= 3; }, 5000));
  QTest::qWait(20);
  EXPECT_EQ(seen, (std::vector<int>{SIGTERM, SIGINT, SIGHUP}));
}
}  // namespace
