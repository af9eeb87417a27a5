// puzzle-pack as a pack author runs it: make a pack from pictures, check it, show a level, and refuse bad packs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

#include "engine/level/LevelData.h"
#include "platform/ZipArchive.h"
#include "support/PackTool.h"
#include "support/PhotoFiles.h"
#include "support/SourceTree.h"
#include "support/TestFolder.h"

namespace {
// A picture with detail in it, wider than high so the tool has to crop.
void WritePicture(const QString& path, QColor base) {
  QImage image(300, 200, QImage::Format_RGB32);
  image.fill(base);
  QPainter painter(&image);
  for (int i = 0; i < 40; ++i)
    painter.fillRect((i * 37) % 300, (i * 53) % 200, 20, 10, QColor::fromHsv(i * 9, 200, 200));
  painter.end();
  if (!image.save(path)) throw std::runtime_error("cannot write the picture");
}

class PackTool : public testing::Test {
 protected:
  void SetUp() override {
    QDir().mkpath(folder.File("src"));
    WritePicture(folder.File("src/one.png"), Qt::darkGreen);
    WritePicture(folder.File("src/two.jpg"), Qt::darkBlue);
    folder.Write(
        "src/pack.ini",
        "[pack]\nname=Проба\nseed=5\n\n[p_one]\npicture=one.png\ngrid=2x2\ninfo=Первая картинка\n\n"
        "[p_two]\npicture=two.jpg\nlevel=7\ngrid=3x2\ntray=600\ntime=200\nangle=20\ndr=30\nda=15\ninfo=Вторая\n");
  }
  TestFolder folder;
};

TEST_F(PackTool, MakesAPackThatChecksAndShows) {
  const ToolRun make = PuzzlePack({"make", folder.File("src"), folder.File("proba.zip")});
  ASSERT_EQ(make.code, 0) << make.Both().toStdString();
  const TZipReader zip(folder.File("proba.zip"));
  QStringList names;
  for (int i = 0; i < zip.Count(); ++i) names << zip.Name(i);
  names.sort();
  EXPECT_EQ(names, QStringList({"p_one.ini", "p_one.jpg", "p_one.level", "p_two.ini", "p_two.jpg", "p_two.level"}));

  const ToolRun check = PuzzlePack({"check", folder.File("proba.zip")});
  EXPECT_EQ(check.code, 0) << check.Both().toStdString();
  EXPECT_TRUE(check.Both().startsWith("checked 2 level(s): p_one.ini, p_two.ini\n")) << check.Both().toStdString();

  for (int i = 0; i < zip.Count(); ++i) folder.Write("data/" + zip.Name(i), zip.Read(i));
  const QImage picture(folder.File("data/p_one.jpg"));
  EXPECT_EQ(picture.size(), QSize(800, 800));
  const QString ini = QString::fromUtf8(zip.Read(3).mid(3));  // p_two.ini after its byte-order mark
  for (const char* line : {"level=7", "pack=Проба", "image=p_two.jpg", "info=Вторая", "ColCount=3", "RowCount=2",
                           "LimTime=200", "Speed_Movie=600"})
    EXPECT_TRUE(ini.contains(QString::fromUtf8(line))) << line;

  const ToolRun show = PuzzlePack({"show", folder.File("data/p_two.level")});
  ASSERT_EQ(show.code, 0) << show.Both().toStdString();
  const QJsonObject json = QJsonDocument::fromJson(show.Both().toUtf8()).object();
  EXPECT_EQ(json["N"].toInt(), 6);
  EXPECT_EQ(json["dr"].toInt(), 30);
  EXPECT_EQ(json["da"].toInt(), 15);
  EXPECT_EQ(json["GameStatus"].toObject()["msg"].toString(), "null");
  // Without dr= and da= a level locks within a twelfth of its cell and ten degrees.
  const ToolRun first = PuzzlePack({"show", folder.File("data/p_one.level")});
  const QJsonObject defaults = QJsonDocument::fromJson(first.Both().toUtf8()).object();
  EXPECT_EQ(defaults["dr"].toInt(), 33);
  EXPECT_EQ(defaults["da"].toInt(), 10);
  const QJsonArray pieces = json["Pic"].toArray();
  ASSERT_EQ(pieces.size(), 6);
  const TLevelData data = ReadLevelData(folder.File("data/p_two.level"));
  for (int k = 0; k < 6; ++k) {
    const QJsonObject piece = pieces[k].toObject();
    EXPECT_EQ(piece["row"].toInt(), k / 3);
    EXPECT_EQ(piece["col"].toInt(), k % 3);
    EXPECT_EQ(piece["Index"].toInt(), k);
    EXPECT_EQ(piece["IndexAttach"].toInt(), -1);
    EXPECT_EQ(piece["ID"].toString(), data.Pic[k].ID);
    EXPECT_LE(std::abs(piece["Angle"].toDouble()), 20);
    EXPECT_EQ(piece["Loc_bkg"].toObject().keys(), QStringList({"Bottom", "Left", "Right", "Top"}));
  }
}

// Photos as phones and cameras keep them: each level picture comes out 800 × 800 and upright (the mark top right).
TEST_F(PackTool, MakesLevelsOfPhotosInEveryFormat) {
  WriteJpeg(folder.File("photos/big.jpg"), {{8000, 6000}, false, false, 6});
  folder.Write("photos/w.webp", WebpWithExif({400, 300}, 6));
  folder.Write("photos/t.tif", TiffTurned({400, 300}, 6));
  const QByteArray heic = HeicTurned({400, 300}, 6);
  QString ini =
      "[pack]\nname=Фото\n[big]\npicture=big.jpg\ngrid=2x2\n[w]\npicture=w.webp\ngrid=2x2\n"
      "[t]\npicture=t.tif\ngrid=2x2\n";
  QStringList levels = {"big", "w", "t"};
  if (!heic.isEmpty()) {
    folder.Write("photos/h.heic", heic);
    ini += "[h]\npicture=h.heic\ngrid=2x2\n";
    levels << "h";
  }
  folder.Write("photos/pack.ini", ini.toUtf8());
  const ToolRun make = PuzzlePack({"make", folder.File("photos"), folder.File("photos.zip")});
  ASSERT_EQ(make.code, 0) << make.Both().toStdString();
  const TZipReader zip(folder.File("photos.zip"));
  for (int i = 0; i < zip.Count(); ++i) {
    if (!zip.Name(i).endsWith(".jpg")) continue;
    levels.removeOne(zip.Name(i).chopped(4));
    const QImage picture = QImage::fromData(zip.Read(i));
    EXPECT_EQ(picture.size(), QSize(800, 800)) << zip.Name(i).toStdString();
    EXPECT_GT(picture.pixelColor(600, 200).red(), 160) << zip.Name(i).toStdString();
    EXPECT_LT(picture.pixelColor(200, 200).red(), 90) << zip.Name(i).toStdString();
  }
  EXPECT_EQ(levels, QStringList());
}

TEST_F(PackTool, RefusesAPhotoTooSmallSayingWhy) {
  folder.Write("small/pack.ini", "[pack]\nname=x\n[a]\npicture=a.png\ngrid=2x2\n");
  ASSERT_TRUE(MarkedPicture({150, 100}).save(folder.File("small/a.png")));
  const ToolRun make = PuzzlePack({"make", folder.File("small"), folder.File("small.zip")});
  EXPECT_NE(make.code, 0);
  EXPECT_TRUE(make.Both().contains(QString::fromUtf8("150 × 100 точек слишком мала"))) << make.Both().toStdString();
}

TEST_F(PackTool, HelpSaysHowPicturesAreFitted) {
  for (const QStringList& args : {QStringList{"make", "--help"}, QStringList{"--help"}}) {
    const ToolRun help = PuzzlePack(args);
    EXPECT_EQ(help.code, 0) << args.join(' ').toStdString();
    EXPECT_TRUE(help.Both().contains("central square") || help.Both().contains("centre square"))
        << help.Both().toStdString();
  }
}

TEST_F(PackTool, CheckNamesEveryProblemAndFails) {
  ASSERT_EQ(PuzzlePack({"make", folder.File("src"), folder.File("proba.zip")}).code, 0);
  const TZipReader zip(folder.File("proba.zip"));
  TZipWriter broken(folder.File("broken.zip"));
  for (int i = 0; i < zip.Count(); ++i) {
    if (zip.Name(i) == "p_one.level") continue;  // a level without its data
    broken.Add("pack/" + zip.Name(i), zip.Read(i));
  }
  broken.Add("copy/p_two.ini", zip.Read(3));  // the same bare name twice
  broken.Write();
  const ToolRun check = PuzzlePack({"check", folder.File("broken.zip")});
  EXPECT_EQ(check.code, 1);
  EXPECT_TRUE(check.Both().contains("p_one.level")) << check.Both().toStdString();
  EXPECT_TRUE(check.Both().contains(QString::fromUtf8("два файла с именем «p_two.ini»"))) << check.Both().toStdString();
}

TEST_F(PackTool, RefusesBadInputWithAMessage) {
  folder.Write("notzip.zip", "not an archive");
  folder.Write("src2/pack.ini", "[pack]\nname=x\n[a]\npicture=a.png\ngrid=three\n");
  folder.Write("src3/pack.ini", "[pack]\nname=x\n[a]\npicture=a.png\ngrid=2x2\ndr=-5\n");
  const struct {
    QStringList args;
    const char* says;
  } cases[] = {{{"check", folder.File("notzip.zip")}, "notzip.zip"},
               {{"make", folder.File("src2"), folder.File("x.zip")}, "grid"},
               {{"make", folder.File("src3"), folder.File("x.zip")}, "dr="},
               {{"show", folder.File("absent.level")}, "absent.level"},
               {{"unknown"}, "usage"}};
  for (const auto& c : cases) {
    const ToolRun run = PuzzlePack(c.args);
    EXPECT_NE(run.code, 0) << c.args.join(' ').toStdString();
    EXPECT_TRUE(run.Both().contains(c.says)) << run.Both().toStdString();
  }
  EXPECT_FALSE(QFile::exists(folder.File("x.zip")));
}
}  // namespace

namespace {
// The packs the build puts beside the game pass the tool's own check.
TEST(PackToolOnDefaultPacks, CheckPasses) {
  const QDir packs(SourcePacksFolder());
  for (const auto& [pack, levels] : {std::pair{"standart.zip", 10}, std::pair{"priroda.zip", 10},
                                     std::pair{"peizazhi.zip", 10}, std::pair{"mir.zip", 10}}) {
    const ToolRun check = PuzzlePack({"check", packs.filePath(pack)});
    EXPECT_EQ(check.code, 0) << pack << "\n" << check.Both().toStdString();
    EXPECT_TRUE(check.Both().startsWith(QString("checked %1 level(s): ").arg(levels))) << check.Both().toStdString();
    EXPECT_FALSE(check.Both().contains("warning")) << check.Both().toStdString();
    EXPECT_TRUE(check.Both().trimmed().endsWith("\nOK")) << check.Both().toStdString();
  }
}
}  // namespace
