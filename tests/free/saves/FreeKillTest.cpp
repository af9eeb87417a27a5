// A puzzle saved at every move and killed with SIGKILL at any moment resumes at a move it had made, exactly.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

#include "FreeSavesFixture.h"
#include "free/saves/FreeSaves.h"
#include "support/TestProgram.h"

void ExpectSamePuzzle(const TFreePuzzle& resumed, const TFreePuzzle& played);

TEST(FreeKill, ResumesTheLastSavedMove) {
  TestProgram program;
  const QString picture = program.folder.File("lake.png"), path = program.folder.File("free/killed.puzzle");
  WriteFixturePicture(picture, QSize(240, 180));
  QProcess child;
  child.start(QCoreApplication::applicationDirPath() + "/free_saves_child", {picture, path});
  ASSERT_TRUE(child.waitForStarted(10'000));
  // Killed somewhere among its saves, once it has made a few moves.
  int saved = 0;
  const QDeadlineTimer deadline(30'000);
  while (saved < 25 && !deadline.hasExpired() && child.waitForReadyRead(int(deadline.remainingTime())))
    while (child.canReadLine()) saved = child.readLine().trimmed().toInt();
  child.kill();
  ASSERT_TRUE(child.waitForFinished(10'000));
  EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
  ASSERT_GE(saved, 25) << child.readAllStandardError().toStdString();

  const TFreeSave save = ReadFreeSave(path);
  EXPECT_GE(save.Seconds, saved);
  const auto resumed = ResumeFreePuzzle(save);
  auto played = FixtureFreePuzzle(picture);
  for (int step = 0; step < save.Seconds; ++step) PlayStep(*played, step);
  ExpectSamePuzzle(*resumed, *played);
  EXPECT_EQ(resumed->GroupOf(0), resumed->GroupOf(1));
  // A write cut off by the kill leaves no second puzzle and no damaged one.
  const std::vector<TFreeListing> listings = ListFreeSaves();
  ASSERT_EQ(listings.size(), 1u);
  EXPECT_TRUE(listings[0].Fault.isEmpty());
}
