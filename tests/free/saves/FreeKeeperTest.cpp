// Saving as you go when the disk fails: one message, play goes on, the last good save stays; and the best times.
#include <gtest/gtest.h>

#include "FreeSavesFixture.h"
#include "free/saves/FreeKeeper.h"
#include "free/saves/FreeRecords.h"
#include "free/saves/FreeSaves.h"
#include "support/FileSizeLimit.h"
#include "support/TestProgram.h"

namespace {
struct FreeKeeping : ::testing::Test {
  TestProgram program;
  QString picture = program.folder.File("lake.png");
  std::unique_ptr<TFreePuzzle> puzzle;
  void SetUp() override {
    WriteFixturePicture(picture, QSize(240, 180));
    puzzle = FixtureFreePuzzle(picture);
  }
};
}  // namespace

TEST_F(FreeKeeping, AFullDiskIsToldOnceAndTheLastSaveStays) {
  TFreeKeeper keeper(NewFreeSavePath());
  ASSERT_TRUE(keeper.Save(*puzzle, 1));
  {
    FileSizeLimit full(64);
    ASSERT_TRUE(full.Active());
    PlayStep(*puzzle, 0);
    EXPECT_FALSE(keeper.Save(*puzzle, 2));
    PlayStep(*puzzle, 1);
    EXPECT_FALSE(keeper.Save(*puzzle, 3));
  }
  ASSERT_EQ(program.messages.size(), 1);
  EXPECT_TRUE(program.messages[0].contains("Пазл не сохранён")) << program.messages[0].toStdString();
  EXPECT_EQ(ReadFreeSave(keeper.Path()).Seconds, 1);

  EXPECT_TRUE(keeper.Save(*puzzle, 4));
  EXPECT_EQ(ReadFreeSave(keeper.Path()).Seconds, 4);
  {
    FileSizeLimit full(64);
    EXPECT_FALSE(keeper.Save(*puzzle, 5));  // failing again after a success is told again
  }
  EXPECT_EQ(program.messages.size(), 2);
}

TEST_F(FreeKeeping, AFolderThatCannotBeWrittenIsToldOnce) {
  // Not even the superuser writes into a folder that is a file.
  program.folder.Write("free", "a file where the folder should be");
  TFreeKeeper keeper(NewFreeSavePath());
  EXPECT_FALSE(keeper.Save(*puzzle, 1));
  PlayStep(*puzzle, 0);
  EXPECT_FALSE(keeper.Save(*puzzle, 2));
  ASSERT_EQ(program.messages.size(), 1);
  EXPECT_TRUE(program.messages[0].contains("Пазл не сохранён")) << program.messages[0].toStdString();
  EXPECT_TRUE(ListFreeSaves().empty());
}

TEST_F(FreeKeeping, RecordsKeepTheBestTimeOfEachPictureAndGrid) {
  const TFreeOrigin origin = puzzle->Origin();
  const TFreeGrid grid = puzzle->Grid(), other{grid.Columns + 1, grid.Rows, grid.Picture};
  EXPECT_FALSE(BestFreeSeconds(origin, grid));
  EXPECT_TRUE(KeepFreeSeconds(origin, grid, 100));
  EXPECT_FALSE(KeepFreeSeconds(origin, grid, 120));
  EXPECT_FALSE(KeepFreeSeconds(origin, grid, 100));
  EXPECT_EQ(BestFreeSeconds(origin, grid), 100);
  EXPECT_TRUE(KeepFreeSeconds(origin, grid, 90));
  EXPECT_TRUE(KeepFreeSeconds(origin, other, 300));
  EXPECT_EQ(BestFreeSeconds(origin, grid), 90);
  EXPECT_EQ(BestFreeSeconds(origin, other), 300);
  TFreeOrigin elsewhere = origin;
  elsewhere.Picture += ".copy.png";
  EXPECT_FALSE(BestFreeSeconds(elsewhere, grid));

  // A damaged records file is no records, and the next best time replaces it.
  program.folder.Write("free/records.json", "{\"broken");
  EXPECT_FALSE(BestFreeSeconds(origin, grid));
  EXPECT_TRUE(KeepFreeSeconds(origin, grid, 200));
  EXPECT_EQ(BestFreeSeconds(origin, grid), 200);
}
