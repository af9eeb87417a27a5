// A saved free puzzle goes on where it was: every piece at its place and angle, in its group, at its height; a
// puzzle whose picture is gone or changed, or whose state does not fit, says why.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FreeSavesFixture.h"
#include "free/saves/FreeSaves.h"
#include "free/saves/FreeThumbnail.h"
#include "support/TestProgram.h"

namespace {
struct FreeResume : ::testing::Test {
  TestProgram program;
  QString picture = program.folder.File("lake.png");
  void SetUp() override { WriteFixturePicture(picture, QSize(240, 180)); }

  std::unique_ptr<TFreePuzzle> Played(int steps) {
    auto puzzle = FixtureFreePuzzle(picture);
    for (int step = 0; step < steps; ++step) PlayStep(*puzzle, step);
    return puzzle;
  }
  QString ResumeFault(const TFreeSave& save) {
    return FreeFault([&] { ResumeFreePuzzle(save); });
  }
};
}  // namespace

void ExpectSamePuzzle(const TFreePuzzle& resumed, const TFreePuzzle& played) {
  ASSERT_EQ(resumed.Pieces().size(), played.Pieces().size());
  for (int piece = 0; piece < int(played.Pieces().size()); ++piece) {
    EXPECT_EQ(resumed.PieceToTable(piece), played.PieceToTable(piece)) << piece;
    EXPECT_EQ(resumed.GroupOf(piece), played.GroupOf(piece)) << piece;
  }
  EXPECT_EQ(resumed.Stacking(), played.Stacking());
  EXPECT_EQ(resumed.Finished(), played.Finished());
}

TEST_F(FreeResume, EveryPieceWhereItWas) {
  const auto played = Played(6);
  ASSERT_EQ(played->GroupOf(0), played->GroupOf(1));  // the fixed play's join
  const QString path = NewFreeSavePath();
  WriteFreeSave(path, TakeFreeSave(*played, 95));
  const TFreeSave save = ReadFreeSave(path);
  EXPECT_EQ(save.Seconds, 95);
  EXPECT_EQ(save.Origin, played->Origin());
  EXPECT_EQ(std::max(save.Thumbnail.width(), save.Thumbnail.height()), kFreeThumbnailSide);
  const auto resumed = ResumeFreePuzzle(save);
  ExpectSamePuzzle(*resumed, *played);
  // The pieces are the same pieces, cut again.
  EXPECT_EQ(resumed->Pieces()[5].Image, played->Pieces()[5].Image);
}

TEST_F(FreeResume, SaysWhyItCannotGoOn) {
  const TFreeSave good = TakeFreeSave(*Played(3), 10);

  TFreeSave spoiled = good;
  spoiled.State.Places[spoiled.State.GroupOf[4]].Angle = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(ResumeFault(spoiled).startsWith("Сохранение пазла повреждено")) << ResumeFault(spoiled).toStdString();
  spoiled = good;
  spoiled.State.Stacking.pop_back();
  EXPECT_TRUE(ResumeFault(spoiled).startsWith("Сохранение пазла повреждено"));

  WriteFixturePicture(picture, QSize(180, 240));
  EXPECT_TRUE(ResumeFault(good).contains("изменилась")) << ResumeFault(good).toStdString();

  QFile::remove(picture);
  EXPECT_TRUE(ResumeFault(good).contains("больше нет")) << ResumeFault(good).toStdString();
}
