// The player's own pictures through the main window: each becomes a level of "Мои картинки", the first starts.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QTest>
#include <QUrl>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelFolder.h"
#include "engine/level/LevelSettings.h"
#include "engine/level/OwnPictures.h"
#include "free/windows/FreeChooser.h"
#include "platform/PictureFile.h"
#include "support/PhotoFiles.h"
#include "support/RecordingPlayer.h"
#include "support/TestProgram.h"
#include "support/WindowFixture.h"
#include "ui/MainForm.h"

namespace {
TEST(OwnPictureGrid, GrowsWithThePictureFromThreeToSixASide) {
  const struct {
    QSize size;
    int side;
  } cases[] = {{{100, 80}, 3},   {{640, 480}, 3},   {{1200, 900}, 4},
               {{900, 1200}, 4}, {{1920, 1080}, 5}, {{4000, 3000}, 6}};
  for (const auto& c : cases) EXPECT_EQ(OwnPictureGrid(c.size), c.side) << c.size.width() << "x" << c.size.height();
}

class OwnPictures : public WindowFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(OpenWindow());
    messages.clear();  // the throw-away folder has no art; that notice is not what these tests look at
  }
  QString Photo(const QString& name, QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(QRect(QPoint(0, 0), size / 2), Qt::darkCyan);
    painter.end();
    const QString path = folder.File("photos/" + name);
    QDir().mkpath(QFileInfo(path).path());
    EXPECT_TRUE(image.save(path));
    return path;
  }
};

TEST_F(OwnPictures, APictureBecomesALevelThatStartsAtOnceForNothing) {
  Puzzle.GameStatus.Score = 7;
  form->OpenPictures({Photo("Дача.png", {1200, 900}), Photo("cat.png", {300, 300})});
  EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_EQ(Puzzle.Pack, kOwnPicturesPack);
  EXPECT_EQ(Puzzle.level, 1);
  EXPECT_EQ(QFileInfo(Puzzle.Im_bkg_Path).fileName(), "moi_0001.jpg");
  EXPECT_EQ(Puzzle.Pic.size(), 16u) << "a 1200 x 900 photo is cut 4 x 4";
  EXPECT_EQ(Puzzle.GameStatus.Score, 7);
  const TLevelSettings second = ReadLevelSettings(LevelDataFolder() + "moi_0002.ini");
  EXPECT_EQ(second.pack, kOwnPicturesPack);
  EXPECT_EQ(second.level, 2);
  EXPECT_EQ(second.ColCount, 3);
  EXPECT_EQ(second.Speed_Movie, 0);
  const TLevelSettings first = ReadLevelSettings(LevelDataFolder() + "moi_0001.ini");
  EXPECT_EQ(first.info, "Дача");
}

TEST_F(OwnPictures, ADroppedPictureReplacesTheLevelInPlay) {
  form->OpenPictures({Photo("one.png", {400, 400})});
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  QTest::keyClick(form.get(), Qt::Key_Space);
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stPaused);

  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(Photo("two.png", {800, 600})), QUrl::fromLocalFile(folder.File("notes.txt"))});
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form.get(), &drop);
  // The drop offers free assembly with the picture chosen; the level is one click away.
  auto* chooser = form->findChild<TFreeChooser*>();
  ASSERT_NE(chooser, nullptr);
  EXPECT_TRUE(chooser->isVisible());
  EXPECT_EQ(QFileInfo(chooser->Picture()).fileName(), "two.png");
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPaused) << "nothing happens to the level before the player chooses";
  ASSERT_TRUE(chooser->LevelButton().isVisible());
  QTest::mouseClick(&chooser->LevelButton(), Qt::LeftButton);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_EQ(QFileInfo(Puzzle.Im_bkg_Path).fileName(), "moi_0002.jpg");
  EXPECT_TRUE(form->BmpButton1->isEnabled()) << "nothing is left paused";
  EXPECT_FALSE(QFile::exists(LevelDataFolder() + "moi_0003.ini")) << "the text file is no picture";
}

TEST_F(OwnPictures, APictureThatCannotBeReadSaysSoAndTheRestStillPlay) {
  folder.Write("photos/broken.png", "not a picture");
  form->OpenPictures({folder.File("photos/broken.png"), Photo("good.png", {500, 500})});
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("Не удалось прочитать картинку")) << messages[0].toStdString();
  EXPECT_TRUE(messages[0].contains("broken.png"));
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_EQ(QFileInfo(Puzzle.Im_bkg_Path).fileName(), "moi_0001.jpg");
}

TEST_F(OwnPictures, PhotosOfEveryKindBecomeLevelsAndTheRestSayWhy) {
  WriteJpeg(folder.File("photos/48mp.jpg"), {{8000, 6000}, false, false, 6});
  folder.Write("photos/w.webp", WebpWithExif({400, 300}, 1));
  folder.Write("photos/t.tiff", TiffTurned({400, 300}, 1));
  folder.Write("photos/notes.jpg", "not a picture");
  QStringList photos = {folder.File("photos/48mp.jpg"), folder.File("photos/w.webp"), folder.File("photos/t.tiff"),
                        folder.File("photos/notes.jpg"), Photo("tiny.png", {120, 90})};
  const QByteArray heic = HeicTurned({400, 300}, 1);
  if (!heic.isEmpty()) {
    folder.Write("photos/h.heic", heic);
    photos << folder.File("photos/h.heic");
  }
  for (const QString& photo : photos) EXPECT_TRUE(IsPictureFileName(photo)) << photo.toStdString();
  form->OpenPictures(photos);
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_EQ(QFileInfo(Puzzle.Im_bkg_Path).fileName(), "moi_0001.jpg");
  EXPECT_EQ(ReadLevelSettings(LevelDataFolder() + "moi_0001.ini").ColCount, 6) << "48 MP is cut 6 x 6";
  EXPECT_EQ(ListLevelFiles(LevelDataFolder()).size(), photos.size() - 2);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("notes.jpg") && messages[0].contains("повреждён")) << messages[0].toStdString();
  EXPECT_TRUE(messages[0].contains("tiny.png") && messages[0].contains("слишком мала")) << messages[0].toStdString();
}

TEST_F(OwnPictures, NothingReadableLeavesTheGameAsItWas) {
  form->OpenPictures({folder.File("photos/absent.jpg")});
  EXPECT_EQ(messages.size(), 1);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stIdle);
  EXPECT_EQ(Puzzle.Pack, "standart");
}
}  // namespace
