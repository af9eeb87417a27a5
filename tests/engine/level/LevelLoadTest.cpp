// Loading a level into the game, and moving on after a level: whole levels only, notices instead of crashes.
#include <gtest/gtest.h>

#include <QImage>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelData.h"
#include "engine/level/LevelLoad.h"
#include "engine/level/SavedGameFile.h"
#include "platform/BinaryStream.h"
#include "platform/ProgramFolder.h"
#include "support/GameFixture.h"

namespace {
const QString kSquare = "200,200,600,200;600,200,600,600;600,600,200,600;200,600,200,200";

// A playable 2 × 2 level "name" of the given pack and number, with its picture.
void WriteLevel(const TestFolder& folder, const QString& name, int number, const char* pack = "standart",
                int records = 4) {
  folder.Write("levels/data/" + name + ".ini",
               QString("[PuzzleSettings]\nlevel=%1\npack=%2\nimage=%3.jpg\ninfo=Описание %3\nColCount=2\n"
                       "RowCount=2\nLimTime=300\nSpeed_Movie=0\n")
                   .arg(number)
                   .arg(pack, name)
                   .toUtf8());
  TLevelData data;
  data.dr = 12;
  data.da = 8;
  data.msg = "null";
  data.Pic.resize(records);
  for (int k = 0; k < records; ++k) {
    data.Pic[k].ID = kSquare;
    data.Pic[k].Angle = 10 * k;
  }
  folder.Write("levels/data/" + name + ".level", LevelDataBytes(data));
  QImage picture(120, 90, QImage::Format_RGB32);
  picture.fill(Qt::darkGreen);
  if (!picture.save(folder.File("levels/data/" + name + ".jpg"), "JPG", 85))
    throw std::runtime_error("cannot write the picture");
}

class LevelLoad : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    Puzzle.GameStatus.Fname = "puz.sav";
  }
  TSavedGame Saved() const {
    QFile file(folder.File("puz.sav"));
    return ParseSavedGame(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
  }
  // What a failed load must leave alone.
  void FillSentinel() {
    Puzzle.level = 3;
    Puzzle.Pack = "sentinel";
    Puzzle.ColCount = Puzzle.RowCount = 5;
    Puzzle.limtime = 77;
    Puzzle.dr = Puzzle.da = 4;
    Puzzle.Im_bkg_Path = "keep.jpg";
    Puzzle.GameStatus.IdStep = stLost;
    Puzzle.GameStatus.msg = "kept message";
    Puzzle.Pic.resize(2);
    Puzzle.Pic[1].ID = "kept outline";
  }
  void ExpectSentinel() const {
    EXPECT_EQ(Puzzle.level, 3);
    EXPECT_EQ(Puzzle.Pack, "sentinel");
    EXPECT_EQ(Puzzle.ColCount, 5);
    EXPECT_EQ(Puzzle.limtime, 77);
    EXPECT_EQ(Puzzle.dr, 4);
    EXPECT_EQ(Puzzle.Im_bkg_Path, "keep.jpg");
    EXPECT_EQ(Puzzle.GameStatus.IdStep, stLost);
    ASSERT_EQ(Puzzle.Pic.size(), 2u);
    EXPECT_EQ(Puzzle.Pic[1].ID, "kept outline");
  }
};

TEST_F(LevelLoad, GetDataFromPackTakesSettingsHeaderAndPieces) {
  WriteLevel(folder, "lake", 7, "Природа");
  Puzzle.GetDataFromPack("lake.ini");
  EXPECT_EQ(Puzzle.level, 7);
  EXPECT_EQ(Puzzle.Pack, QString::fromUtf8("Природа"));
  EXPECT_EQ(Puzzle.Im_bkg_Path, folder.File("levels/data/lake.jpg"));
  EXPECT_EQ(Puzzle.Im_bkg_Description, QString::fromUtf8("Описание lake"));
  EXPECT_EQ(Puzzle.ColCount, 2);
  EXPECT_EQ(Puzzle.RowCount, 2);
  EXPECT_EQ(Puzzle.limtime, 300);
  EXPECT_EQ(Puzzle.speed_movie, 0);
  EXPECT_EQ(Puzzle.dr, 12);
  EXPECT_EQ(Puzzle.da, 8);
  EXPECT_EQ(Puzzle.GameStatus.msg, "null");
  EXPECT_EQ(Puzzle.GameStatus.PicLayer_Index, -1);
  ASSERT_EQ(Puzzle.Pic.size(), 4u);
  EXPECT_EQ(Puzzle.Pic[3].ID, kSquare);
  EXPECT_EQ(Puzzle.Pic[3].Angle, 30.0L);
}

struct BadLevelCase {
  const char* name;
  std::function<void(const TestFolder&)> damage;
  const char* names;  // the file the message must name
};

QByteArray LevelBytes(const TestFolder& folder) {
  QFile file(folder.File("levels/data/bad.level"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const BadLevelCase kBadLevels[] = {
    {"level_file_missing", [](const TestFolder& f) { QFile::remove(f.File("levels/data/bad.level")); }, "bad.level"},
    {"level_file_truncated", [](const TestFolder& f) { f.Write("levels/data/bad.level", LevelBytes(f).left(100)); },
     "bad.level"},
    {"negative_piece_count",
     [](const TestFolder& f) {
       QByteArray bytes = LevelBytes(f);
       bytes.replace(60, 4, QByteArray::fromHex("ffffffff"));  // N follows 60 bytes of header
       f.Write("levels/data/bad.level", bytes);
     },
     "bad.level"},
    {"absurd_piece_count",
     [](const TestFolder& f) {
       QByteArray bytes = LevelBytes(f);
       bytes.replace(60, 4, QByteArray::fromHex("00e1f505"));
       f.Write("levels/data/bad.level", bytes);
     },
     "bad.level"},
    {"fewer_pieces_than_the_grid",
     [](const TestFolder& f) {
       TLevelData data = ParseLevelData(LevelBytes(f));
       data.Pic.resize(3);
       f.Write("levels/data/bad.level", LevelDataBytes(data));
     },
     "bad.level"},
    {"colcount_not_integer",
     [](const TestFolder& f) {
       f.Write("levels/data/bad.ini", "[PuzzleSettings]\nColCount=two\nRowCount=2\nLimTime=1\nSpeed_Movie=0\n");
     },
     "bad.ini"},
    {"grid_without_cells",
     [](const TestFolder& f) {
       f.Write("levels/data/bad.ini", "[PuzzleSettings]\nColCount=0\nRowCount=2\nLimTime=1\nSpeed_Movie=0\n");
     },
     "bad.ini"},
    {"ini_file_missing", [](const TestFolder& f) { QFile::remove(f.File("levels/data/bad.ini")); }, "bad.ini"},
};

class BadLevel : public LevelLoad, public testing::WithParamInterface<BadLevelCase> {};

TEST_P(BadLevel, IsRefusedAndTheGameKeepsWhatItHad) {
  WriteLevel(folder, "bad", 1);
  GetParam().damage(folder);
  FillSentinel();
  try {
    Puzzle.GetDataFromPack("bad.ini");
    ADD_FAILURE() << "no error";
  } catch (const TLevelError& e) {
    EXPECT_TRUE(e.Text().contains(GetParam().names)) << e.what();
  }
  ExpectSentinel();
}

INSTANTIATE_TEST_SUITE_P(Cases, BadLevel, testing::ValuesIn(kBadLevels),
                         [](const testing::TestParamInfo<BadLevelCase>& info) { return info.param.name; });

// The format asks for at least a record per cell; the ones beyond the grid are never cut, laid out or saved.
TEST_F(LevelLoad, RecordsBeyondTheGridTakeNoPart) {
  WriteLevel(folder, "a", 1, "standart", 5);
  Puzzle.level = 0;
  Puzzle.Pack = "standart";
  Puzzle.GameStatus.IdStep = stWon;
  Puzzle.GameStatus.Score = 140;
  Puzzle.LoadNewLevel();
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  ASSERT_EQ(Puzzle.Pic.size(), 4u);
  for (const TPicClip& piece : Puzzle.Pic) EXPECT_NE(piece.bmp, nullptr);
  EXPECT_EQ(board->Layers().Count(), 4);
  const TSavedGame saved = Saved();
  EXPECT_EQ(saved.Pic.size(), 4u);
  EXPECT_EQ(saved.GameStatus.Score, 140);
}

TEST_F(LevelLoad, AWinIsKeptWhenTheNextLevelFailsToStart) {
  WriteLevel(folder, "a", 1);
  WriteLevel(folder, "b", 2);
  QFile::remove(folder.File("levels/data/b.jpg"));
  Puzzle.level = 1;
  Puzzle.Pack = "standart";
  Puzzle.GameStatus.IdStep = stWon;
  Puzzle.GameStatus.Score = 150;
  Puzzle.CompletePuzzle = "a.jpg ";
  EXPECT_ANY_THROW(Puzzle.LoadNewLevel());
  const TSavedGame saved = Saved();
  EXPECT_EQ(saved.GameStatus.Score, 150);
  EXPECT_EQ(saved.CompletePuzzle, "a.jpg ");
  EXPECT_EQ(saved.level, 1);
}

TEST_F(LevelLoad, ReplayStartsTheSameLevelAgain) {
  WriteLevel(folder, "a", 1);
  WriteLevel(folder, "b", 2);
  Puzzle.level = 1;
  Puzzle.Pack = "standart";
  Puzzle.GameStatus.IdStep = stLost;
  msec = 5;
  sec = 20;
  Puzzle.ReplayLevel();
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_EQ(Puzzle.level, 1);
  EXPECT_EQ(Puzzle.Im_bkg_Path, folder.File("levels/data/a.jpg"));
  EXPECT_EQ(Puzzle.Pic.size(), 4u);
  EXPECT_EQ(msec, 0);
  EXPECT_EQ(sec, 0);
}

struct NoticeCase {
  const char* name;
  bool next;  // LoadNewLevel, else ReplayLevel
  std::function<void(const TestFolder&)> prepare;
  const char* message;  // the notice, or a part of it
};

class Notice : public LevelLoad, public testing::WithParamInterface<NoticeCase> {};

TEST_P(Notice, PutsUpTheNoticeInsteadOfALevel) {
  const NoticeCase& c = GetParam();
  Puzzle.level = 1;
  Puzzle.Pack = "standart";
  Puzzle.GameStatus.IdStep = c.next ? stWon : stLost;
  Puzzle.GameStatus.timeint = 42;
  Puzzle.GameStatus.Score = 170;
  c.prepare(folder);
  const QString completed = Puzzle.CompletePuzzle;
  if (c.next)
    Puzzle.LoadNewLevel();
  else
    Puzzle.ReplayLevel();
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stNotice);
  EXPECT_TRUE(Puzzle.GameStatus.msg.contains(QString::fromUtf8(c.message))) << Puzzle.GameStatus.msg.toStdString();
  EXPECT_EQ(Puzzle.GameStatus.timeint, 0);
  if (c.next) {
    // The win that led here is kept, as a game with nothing left to resume.
    const TSavedGame saved = Saved();
    EXPECT_EQ(saved.GameStatus.Score, 170);
    EXPECT_EQ(saved.CompletePuzzle, completed);
    EXPECT_EQ(saved.GameStatus.IdStep, stWon);
    EXPECT_TRUE(saved.Pic.empty());
  }
}

const NoticeCase kNotices[] = {
    {"no_levels", true, [](const TestFolder&) {},
     "Отсутствуют уровни Игры Пазл. Скачайте в Игровых бонусах дополнительные уровни с сервера"},
    {"all_done_without_full_stop", true,
     [](const TestFolder& f) {
       WriteLevel(f, "a", 1);
       Puzzle.CompletePuzzle = "a.jpg ";
     },
     "Завершены все уровни Игры Пазл. Скачайте в Игровых бонусах дополнительные уровни с сервера"},
    {"theme_finished", true,
     [](const TestFolder& f) {
       WriteLevel(f, "a", 1);
       WriteLevel(f, "z", 1, "other");
     },
     "Поздравляем! Вы завершили текущую тему Игры. Выберите в Игровых бонусах новую тему"},
    {"next_level_damaged", true,
     [](const TestFolder& f) {
       WriteLevel(f, "a", 1);
       WriteLevel(f, "b", 2, "standart", 1);
     },
     "b.level"},
    {"replayed_level_damaged", false,
     [](const TestFolder& f) {
       WriteLevel(f, "a", 1);
       QFile::remove(f.File("levels/data/a.level"));
     },
     "a.level"},
    {"search_meets_a_bad_number", false,
     [](const TestFolder& f) {
       WriteLevel(f, "a", 1);
       f.Write("levels/data/0.ini", "[PuzzleSettings]\nlevel=one\n");
     },
     "«level»"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Notice, testing::ValuesIn(kNotices),
                         [](const testing::TestParamInfo<NoticeCase>& info) { return info.param.name; });

TEST(LevelSearchNotice, FoundOrWhyNot) {
  EXPECT_FALSE(IsLevelFound("empty"));
  EXPECT_FALSE(IsLevelFound("none"));
  EXPECT_FALSE(IsLevelFound("continue"));
  EXPECT_TRUE(IsLevelFound("cat.ini"));
  EXPECT_FALSE(LevelSearchNotice("none").endsWith('.'));
}
}  // namespace

namespace {
// Only the file name changes from ".ini" to ".level": a program folder named like an INI file still works.
TEST_F(LevelLoad, ProgramFolderWithIniInItsName) {
  SetProgramFolder(folder.File("games.ini/"));
  folder.Write("games.ini/levels/data/x.ini", "[PuzzleSettings]\nColCount=1\nRowCount=1\nLimTime=60\nSpeed_Movie=0\n");
  TLevelData data;
  data.Pic.resize(1);
  data.Pic[0].ID = kSquare;
  folder.Write("games.ini/levels/data/x.level", LevelDataBytes(data));
  Puzzle.GetDataFromPack("x.ini");
  ASSERT_EQ(Puzzle.Pic.size(), 1u);
  EXPECT_EQ(Puzzle.Pic[0].ID, kSquare);
}
}  // namespace
