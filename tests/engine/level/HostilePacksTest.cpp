// Packs from the wild: refused whole when anything is wrong with them, reported once, and Windows-made packs played.
#include <gtest/gtest.h>
#include <zip.h>

#include <QDir>
#include <QFile>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelPacks.h"
#include "support/GameFixture.h"
#include "support/LevelFiles.h"

namespace {
struct Entry {
  QByteArray name;  // raw bytes as stored
  QByteArray bytes;
};

// Writes a ZIP whose names are stored as given, without the UTF-8 flag, as DOS-era tools on Windows do.
void WriteRawZip(const QString& fileName, const std::vector<Entry>& entries) {
  int error = 0;
  zip_t* archive = zip_open(QFile::encodeName(fileName).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(archive, nullptr);
  for (const Entry& e : entries) {
    zip_source_t* source = zip_source_buffer(archive, e.bytes.constData(), e.bytes.size(), 0);
    ASSERT_GE(zip_file_add(archive, e.name.constData(), source, ZIP_FL_ENC_CP437), 0) << e.name.toStdString();
  }
  ASSERT_EQ(zip_close(archive), 0);
}

// Makes every entry of the archive claim `size` unpacked bytes, in its local and its central header alike.
void ClaimEntrySizes(const QString& fileName, quint32 size) {
  QFile file(fileName);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  QByteArray bytes = file.readAll();
  const auto patch = [&](const QByteArray& signature, int offset) {
    for (qsizetype at = bytes.indexOf(signature); at >= 0; at = bytes.indexOf(signature, at + 4))
      for (int i = 0; i < 4; ++i) bytes[at + offset + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
  };
  patch(QByteArray("PK\x03\x04", 4), 22);
  patch(QByteArray("PK\x01\x02", 4), 24);
  file.seek(0);
  file.write(bytes);
}

QByteArray LevelIni(int number, const QString& image) {
  return QString(
             "[PuzzleSettings]\nlevel=%1\npack=Windows\nimage=%2\nColCount=2\nRowCount=2\nLimTime=300\n"
             "Speed_Movie=0\n")
      .arg(number)
      .arg(image)
      .toUtf8();
}

class HostilePacks : public GameFixture {
 protected:
  QStringList Data() const {
    return QDir(folder.File("levels/data")).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  }
  QStringList Levels() const { return QDir(folder.File("levels")).entryList(QDir::Dirs | QDir::NoDotAndDotDot); }
};

TEST_F(HostilePacks, APackWithAnythingWrongInstallsNothingAndAllProblemsMakeOneReport) {
  WriteRawZip(folder.File("good.zip"), {{"good.ini", "good"}});
  WriteRawZip(folder.File("partial.zip"),
              {{"first.ini", "1"}, {"first.level", "2"}, {QByteArray(300, 'n') + ".ini", "3"}, {"last.ini", "4"}});
  std::vector<Entry> many;
  for (int i = 0; i <= kMaxPackEntries; ++i) many.push_back({"e" + QByteArray::number(i) + ".ini", "e"});
  WriteRawZip(folder.File("many.zip"), many);
  WriteRawZip(folder.File("huge.zip"),
              {{"h1.ini", "h"}, {"h2.ini", "h"}, {"h3.ini", "h"}, {"h4.ini", "h"}, {"h5.ini", "h"}});
  ClaimEntrySizes(folder.File("huge.zip"), 250u << 20);
  folder.Write("page.zip", "<html><body>404 Not Found</body></html>");

  Puzzle.CheckPack();
  EXPECT_EQ(Data(), QStringList({"good.ini"})) << "nothing of a refused pack is installed";
  EXPECT_EQ(Levels(), QStringList({"data", "temp"})) << "no staging folder is left behind";
  EXPECT_EQ(QDir(folder.File("levels/temp")).entryList(QDir::Files, QDir::Name),
            QStringList({"huge.zip.bad", "many.zip.bad", "page.zip.bad", "partial.zip.bad"}));
  EXPECT_TRUE(messages.isEmpty()) << "nothing is shown before the main window";

  ShowPackReport();
  ASSERT_EQ(messages.size(), 1) << messages.join("\n").toStdString();
  for (const char* named : {"partial.zip", "many.zip", "huge.zip", "page.zip", "20000", "1024 МБ", "это не ZIP-архив"})
    EXPECT_TRUE(messages[0].contains(QString::fromUtf8(named))) << named << "\n" << messages[0].toStdString();
  EXPECT_FALSE(messages[0].contains("good.zip"));
  ShowPackReport();
  EXPECT_EQ(messages.size(), 1) << "a report is shown once";
}

TEST_F(HostilePacks, AnEarlierInstallIsKeptWhenTheNewPackFails) {
  folder.Write("levels/data/first.ini", "earlier");
  WriteRawZip(folder.File("broken.zip"), {{"first.ini", "newer"}, {QByteArray(300, 'x'), "too long a name"}});
  Puzzle.CheckPack();
  QFile kept(folder.File("levels/data/first.ini"));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "earlier");
}

TEST_F(HostilePacks, PartialDownloadsOfAnEarlierRunAreRemoved) {
  folder.Write("7.zip.part", "half a pack");
  folder.Write("notes.part", "not ours");
  Puzzle.CheckPack();
  EXPECT_FALSE(QFile::exists(folder.File("7.zip.part")));
  EXPECT_TRUE(QFile::exists(folder.File("notes.part")));
}

// Names in CP866 without the UTF-8 flag, and names that differ from the INI's only in letter case.
TEST_F(HostilePacks, AWindowsMadePackIsInstalledUnderItsRussianNamesAndPlays) {
  const QByteArray cat = "\x8A\xAE\xE2";       // "Кот" in CP866
  const QByteArray catLower = "\xAA\xAE\xE2";  // "кот"
  WriteRawZip(folder.File("windows.zip"),
              {{"PACK\\" + cat + ".ini", LevelIni(1, "КОТ.BMP")},
               {"PACK\\" + catLower + ".level", SquareLevelBytes()},
               {"PACK\\" + catLower + ".bmp", EncodedPicture("BMP", QSize(64, 48), Qt::darkYellow)},
               {"PACK\\Two.ini", LevelIni(2, "LVL.JPG")},
               {"PACK\\two.level", SquareLevelBytes()},
               {"PACK\\lvl.jpg", EncodedPicture("JPG", QSize(64, 48), Qt::darkYellow)}});
  Puzzle.CheckPack();
  EXPECT_EQ(Data(), QStringList({"Two.ini", "lvl.jpg", "two.level", "Кот.ini", "кот.bmp", "кот.level"}));

  Puzzle.Pack = "Windows";
  const struct {
    int level;
    const char* ini;
    const char* picture;
  } levels[] = {{1, "Кот.ini", "кот.bmp"}, {2, "Two.ini", "lvl.jpg"}};
  for (const auto& l : levels) {
    SCOPED_TRACE(l.ini);
    const QString found = Puzzle.UpdateLevel(l.level, "Windows", QString());
    ASSERT_EQ(found, QString::fromUtf8(l.ini));
    Puzzle.GetDataFromPack(found);
    EXPECT_EQ(Puzzle.Im_bkg_Path, folder.File("levels/data/" + QString::fromUtf8(l.picture)));
    Puzzle.ImageLoadFromFile(Puzzle.Im_bkg_Path);
    Puzzle.StartGame();
    EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
    EXPECT_EQ(Puzzle.Pic.size(), 4u);
    Puzzle.ClearGame();
  }
  EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
}
// A few bytes claiming 30000 × 30000 pixels must not make the game allocate gigabytes: the start is refused.
TEST_F(HostilePacks, ALevelWithAPictureBombRefusesToStart) {
  folder.Write("levels/data/bomb.ini", LevelIni(1, "bomb.jpg"));
  folder.Write("levels/data/bomb.level", SquareLevelBytes());
  folder.Write("levels/data/bomb.jpg", JpegClaiming(30000, 30000));
  Puzzle.Pack = "Windows";
  Puzzle.level = 1;
  try {
    Puzzle.ReplayLevel();
    ADD_FAILURE() << "the bomb was decoded";
  } catch (const std::runtime_error& e) {
    EXPECT_TRUE(QString::fromStdString(e.what()).contains("bomb.jpg")) << e.what();
  }
  EXPECT_NE(Puzzle.GameStatus.IdStep, stPlaying);
}
}  // namespace
