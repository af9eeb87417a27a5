// puzzle-pack cut: the pieces of a real level as the game cuts them, written as PNGs with a JSON report.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <random>

#include "engine/level/LevelData.h"
#include "pieces/JigsawOutlines.h"
#include "pieces/LibStorage.h"
#include "pieces/PieceCut.h"
#include "platform/Jpeg.h"
#include "support/PackTool.h"
#include "support/TestFolder.h"

namespace {
class CutCommand : public testing::Test {
 protected:
  // A level of 3 columns and 2 rows with interlocking outlines and a 300 × 200 JPEG picture.
  void SetUp() override {
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QPainter painter(&picture);
    for (int i = 0; i < 40; ++i)
      painter.fillRect((i * 37) % 300, (i * 53) % 200, 20, 10, QColor::fromHsv(i * 9, 200, 200));
    painter.end();
    ASSERT_TRUE(picture.save(folder.File("lake.jpg"), "JPG"));
    folder.Write("lake.ini",
                 "[PuzzleSettings]\nlevel=1\nimage=lake.jpg\nColCount=3\nRowCount=2\nLimTime=100\nSpeed_Movie=0\n");
    std::mt19937 random(3);
    for (const QString& outline : JigsawOutlines(3, 2, random)) {
      data.Pic.emplace_back();
      data.Pic.back().ID = outline;
    }
    WriteLevelData(folder.File("lake.level"), data);
  }

  QJsonObject Report() const {
    QFile file(folder.File("out/pieces.json"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object();
  }

  TestFolder folder;
  TLevelData data;
};

TEST_F(CutCommand, WritesThePiecesTheGameCuts) {
  const ToolRun run = PuzzlePack({"cut", folder.File("lake.ini"), "--out", folder.File("out")});
  ASSERT_EQ(run.code, 0) << run.Both().toStdString();
  EXPECT_TRUE(run.Both().startsWith("6 pieces cut in ")) << run.Both().toStdString();

  // The same cut in this process, from the picture as the board holds it.
  TCutInput input;
  input.picture.AssignImage(DecodeJpegFile(folder.File("lake.jpg")));
  ScaleBmp(input.picture, 800, 800);
  input.ColCount = 3;
  input.RowCount = 2;
  for (const TPicClip& clip : data.Pic) input.outlines.push_back(clip.ID);
  TFastShapes shapes;
  const std::vector<TCutPiece> expected = CutPicture(input, shapes);

  const QJsonObject report = Report();
  EXPECT_EQ(report["PicWidth"].toInt(), 266) << "columns divide the width";
  EXPECT_EQ(report["PicHeight"].toInt(), 400) << "rows divide the height";
  const QJsonArray pieces = report["pieces"].toArray();
  ASSERT_EQ(pieces.size(), 6);
  for (const TCutPiece& want : expected) {
    const QJsonObject got = pieces[want.Index].toObject();
    EXPECT_EQ(got["Index"].toInt(), want.Index);
    EXPECT_EQ(got["row"].toInt(), want.row);
    EXPECT_EQ(got["col"].toInt(), want.col);
    const QJsonObject margins = got["margins"].toObject();
    EXPECT_EQ(TMargins({margins["Left"].toInt(), margins["Top"].toInt(), margins["Right"].toInt(),
                        margins["Bottom"].toInt()}),
              want.margins);
    EXPECT_EQ(got["Width"].toInt(), want.geometry.Width);
    EXPECT_EQ(got["Height"].toInt(), want.geometry.Height);
    EXPECT_EQ(got["Left"].toInt(), want.geometry.Left);
    EXPECT_EQ(got["Top"].toInt(), want.geometry.Top);
    const QImage png(folder.File(QString("out/%1.png").arg(want.Index)));
    EXPECT_EQ(png.convertToFormat(QImage::Format_ARGB32), want.bmp->Image()) << want.Index;
  }
}

// Laid at their homes, the pieces' opaque pixels leave no hole in the grid: tabs fill their neighbours' blanks.
TEST_F(CutCommand, PiecesAtTheirHomesCoverTheGrid) {
  ASSERT_EQ(PuzzlePack({"cut", folder.File("lake.ini"), "--out", folder.File("out")}).code, 0);
  const QJsonObject report = Report();
  const int width = report["PicWidth"].toInt() * 3, height = report["PicHeight"].toInt() * 2;
  QImage covered(width, height, QImage::Format_Grayscale8);
  covered.fill(0);
  for (const QJsonValue& value : report["pieces"].toArray()) {
    const QJsonObject piece = value.toObject();
    const QImage png =
        QImage(folder.File(QString("out/%1.png").arg(piece["Index"].toInt()))).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < png.height(); ++y)
      for (int x = 0; x < png.width(); ++x) {
        const QPoint at(piece["Left"].toInt() + x, piece["Top"].toInt() + y);
        if (covered.rect().contains(at) && qAlpha(png.pixel(x, y)) == 255) covered.setPixel(at, 255);
      }
  }
  int holes = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) holes += qGray(covered.pixel(x, y)) == 0;
  EXPECT_EQ(holes, 0);
}

TEST_F(CutCommand, ABadOutlineNamesThePieceAndWritesNothing) {
  data.Pic[4].ID = "200,200,600,200;600,200,600";
  WriteLevelData(folder.File("lake.level"), data);
  const ToolRun run = PuzzlePack({"cut", folder.File("lake.ini"), "--out", folder.File("out")});
  EXPECT_EQ(run.code, 1);
  EXPECT_TRUE(run.Both().contains("деталь 4 (ряд 1, столбец 1): в кривой 2 нечётное количество чисел (3)"))
      << run.Both().toStdString();
  EXPECT_FALSE(QDir(folder.File("out")).exists());
}

TEST_F(CutCommand, WrongArgumentsShowTheUsage) {
  const ToolRun run = PuzzlePack({"cut", folder.File("lake.ini")});
  EXPECT_EQ(run.code, 2);
  EXPECT_TRUE(run.Both().contains("usage: puzzle-pack cut LEVEL.ini --out DIR")) << run.Both().toStdString();
}
}  // namespace
