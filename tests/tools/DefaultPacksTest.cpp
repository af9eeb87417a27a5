// The default packs the build puts beside the game: every level sound, the themes as promised, a first start plays.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelCheck.h"
#include "engine/level/LevelData.h"
#include "engine/level/LevelFolder.h"
#include "engine/level/LevelPacks.h"
#include "engine/level/LevelSettings.h"
#include "pieces/PieceCut.h"
#include "platform/ProgramFolder.h"
#include "support/SourceTree.h"
#include "support/TestFolder.h"

namespace {
// The packs as committed, found from this file's place in the source tree.
struct Theme {
  int levels = 0, smallest = 400, largest = 0, withTray = 0;
  int firstTraySpeed = 0;  // Speed_Movie of the theme's lowest-numbered level with a tray
  int firstTrayLevel = 1001;
};

// The largest turn a level's pieces start with beyond what still locks.
int TurnNeeded(const QString& levelFile) {
  const TLevelData data = ReadLevelData(levelFile);
  int worst = 0;
  for (const TPicClip& piece : data.Pic)
    worst = std::max(worst, static_cast<int>(std::fabs(static_cast<double>(piece.Angle))) - data.da);
  return worst;
}

TEST(DefaultPacks, EveryLevelChecksAndTheThemesAreComplete) {
  const QStringList packs = QDir(SourcePacksFolder()).entryList({"*.zip"}, QDir::Files);
  ASSERT_EQ(packs, QStringList({"mir.zip", "peizazhi.zip", "priroda.zip", "standart.zip"}));
  int levels = 0, largest = 0;
  TestFolder data;
  QMap<QString, Theme> themes;
  for (const QString& pack : packs) {
    TestFolder one;
    UnCompressData(SourcePacksFolder() + pack, one.Path());
    EXPECT_EQ(CheckLevelFolder(one.Path()), QStringList()) << pack.toStdString();
    for (const QString& ini : ListLevelFiles(one.Path())) {
      const TLevelSettings s = ReadLevelSettings(one.File(ini));
      Theme& theme = themes[s.pack];
      ++theme.levels;
      theme.smallest = std::min(theme.smallest, s.ColCount * s.RowCount);
      theme.largest = std::max(theme.largest, s.ColCount * s.RowCount);
      theme.withTray += s.Speed_Movie != 0;
      // A thumbnail may move only the slowest step a tick and start a whole row of thumbnails left of the tray;
      // the clock must let even that one arrive with a third to spare (a counted second is 940 ms).
      if (s.Speed_Movie != 0) {
        const int slowestArrival = s.ColCount * s.RowCount * 50 * s.Speed_Movie / (940 * kSlowestThumbnailStep) + 10;
        EXPECT_GE(s.LimTime * 2, slowestArrival * 3) << ini.toStdString();
      }
      if (s.Speed_Movie != 0 && s.level < theme.firstTrayLevel) {
        theme.firstTrayLevel = s.level;
        theme.firstTraySpeed = s.Speed_Movie;
      }
      // A theme opens gently: its first level needs no turning and has no tray.
      if (s.level == 1) {
        EXPECT_EQ(s.Speed_Movie, 0) << ini.toStdString();
        EXPECT_LE(TurnNeeded(one.File(QString(ini).replace(".ini", ".level"))), 0) << ini.toStdString();
      }
      ++levels;
      largest = std::max(largest, s.ColCount * s.RowCount);
      EXPECT_FALSE(s.info.isEmpty()) << ini.toStdString();
      EXPECT_FALSE(QFile::exists(data.File(ini))) << "two packs share " << ini.toStdString();
      data.Write(ini, "");
    }
  }
  ASSERT_EQ(themes.size(), 4);
  EXPECT_GE(levels, 40);
  EXPECT_GE(largest, 100) << "the set grows to 10 x 10";
  const Theme standart = themes.value("standart");
  EXPECT_GE(standart.levels, 10);
  EXPECT_EQ(standart.smallest, 4);
  EXPECT_EQ(standart.largest, 36);
  EXPECT_GE(standart.withTray, 2);
  for (auto theme = themes.cbegin(); theme != themes.cend(); ++theme) {
    SCOPED_TRACE(theme.key().toStdString());
    EXPECT_GE(theme->levels, 10);
    EXPECT_GE(theme->withTray, 1);
    // The fastest thumbnail moves 29 pixels a tick: on the first tray it needs about 15 s to cross 585 pixels.
    EXPECT_GE(theme->firstTraySpeed, 700);
  }
}

// A first start with only the default packs beside the game unpacks them, and "Начать" finds level 1 of standart.
TEST(DefaultPacks, FirstStartUnpacksThemAndFindsTheFirstLevel) {
  TestFolder program;
  SetProgramFolder(program.Path());
  for (const char* pack : {"standart.zip", "priroda.zip", "peizazhi.zip", "mir.zip"})
    ASSERT_TRUE(QFile::copy(SourcePacksFolder() + pack, program.File(pack)));
  Puzzle.CheckPack();
  EXPECT_EQ(QDir(program.Path()).entryList({"*.zip"}, QDir::Files), QStringList());
  EXPECT_EQ(Puzzle.UpdateLevel(0, "standart", QString()), "st01_aitzgorri.ini");
  EXPECT_EQ(Puzzle.UpdateLevel(0, QString::fromUtf8("Природа"), QString()), "pr01_bozhya_korovka.ini");
  EXPECT_EQ(Puzzle.UpdateLevel(0, QString::fromUtf8("Пейзажи"), QString()), "pe01_lodki.ini");
  EXPECT_EQ(Puzzle.UpdateLevel(0, QString::fromUtf8("Мир вокруг"), QString()), "mi01_doski.ini");
  SetProgramFolder(QString());
}
}  // namespace
