// The real game ends by itself on the session's signals: kill, Ctrl+C and a closed terminal.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <stdexcept>

#include "support/TestFolder.h"

namespace {
// The game in a program folder of its own, so it unpacks nothing into the build.
QString InstallGame(const TestFolder& folder) {
  const QString built = QCoreApplication::applicationDirPath() + "/";
  folder.CopyFolder(built + "resources", "resources");
  if (!QFile::copy(built + "puzzle", folder.File("puzzle"))) throw std::runtime_error("cannot copy the game");
  return folder.File("puzzle");
}

struct SignalCase {
  const char* name;
  int signal;
};

class QuitSignal : public ::testing::TestWithParam<SignalCase> {};

TEST_P(QuitSignal, EndsTheGameNormally) {
  TestFolder folder;
  QProcess game;
  game.setProgram(InstallGame(folder));
  game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  game.start();
  ASSERT_TRUE(game.waitForStarted(10000));
  // The levels folder is made while the window is built, after the signals are taken over.
  ASSERT_TRUE(QTest::qWaitFor([&folder] { return QDir(folder.File("levels")).exists(); }, 20000));
  ::kill(static_cast<pid_t>(game.processId()), GetParam().signal);
  const bool ended = game.waitForFinished(10000);
  if (!ended) game.kill();
  ASSERT_TRUE(ended);
  EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(game.exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, QuitSignal,
                         ::testing::Values(SignalCase{"terminate", SIGTERM}, SignalCase{"interrupt", SIGINT},
                                           SignalCase{"hang_up", SIGHUP}),
                         [](const auto& info) { return std::string(info.param.name); });
}  // namespace
