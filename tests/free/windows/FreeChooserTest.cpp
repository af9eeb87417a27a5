// The window "Свободная сборка": a picture chosen from a file, a drop or the offered ones, its counts, and what
// "Начать" and the level choice hand on.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "free/windows/FreeChooser.h"
#include "support/TestFolder.h"

namespace {
QString Photo(const TestFolder& folder, const QString& name, QSize size) {
  QImage photo(size, QImage::Format_RGB32);
  photo.fill(QColor(70, 120, 160));
  EXPECT_TRUE(photo.save(folder.File(name)));
  return folder.File(name);
}

TEST(FreeChooser, APictureChosenGivesItsCountsAndStartsWithTheChoices) {
  TestFolder folder;
  const QString photo = Photo(folder, "Закат.png", {1200, 800});
  TFreeChooser chooser({});
  EXPECT_EQ(chooser.windowTitle(), "Свободная сборка");
  EXPECT_FALSE(chooser.StartButton().isEnabled()) << "nothing to start before a picture";
  ASSERT_TRUE(chooser.ChoosePicture(photo));
  ASSERT_FALSE(chooser.Choices().empty());
  EXPECT_EQ(chooser.findChild<QComboBox*>()->count(), int(chooser.Choices().size()));
  const int index = 2;
  chooser.ChooseCount(index);
  chooser.SetTurned(true);
  chooser.SetGuide(false);
  QSignalSpy started(&chooser, &TFreeChooser::StartChosen);
  chooser.show();
  QTest::mouseClick(&chooser.StartButton(), Qt::LeftButton);
  ASSERT_EQ(started.size(), 1);
  const auto origin = started[0][0].value<TFreeOrigin>();
  EXPECT_EQ(origin.Picture, photo);
  EXPECT_EQ(origin.Pieces, chooser.Choices()[index].Pieces);
  EXPECT_TRUE(origin.Turned);
  EXPECT_FALSE(started[0][1].toBool());
  EXPECT_FALSE(chooser.isVisible());
}

TEST(FreeChooser, APictureThatWillNotDoSaysWhyAndStartsNothing) {
  TestFolder folder;
  folder.Write("битая.jpg", "not a picture");
  const QString tiny = Photo(folder, "крошка.png", {60, 40});
  TFreeChooser chooser({});
  const struct {
    QString file;
    const char* reason;
  } cases[] = {
      {folder.File("битая.jpg"), "не картинка"}, {tiny, "слишком мала"}, {folder.File("нет.jpg"), "не открывается"}};
  for (const auto& c : cases) {
    EXPECT_FALSE(chooser.ChoosePicture(c.file));
    EXPECT_FALSE(chooser.Fault().isHidden());
    EXPECT_TRUE(chooser.Fault().text().contains(QString::fromUtf8(c.reason))) << chooser.Fault().text().toStdString();
    EXPECT_FALSE(chooser.StartButton().isEnabled()) << c.file.toStdString();
    EXPECT_TRUE(chooser.Picture().isEmpty());
  }
}

TEST(FreeChooser, OfferedPicturesDropsAndTheLevelChoice) {
  TestFolder folder;
  const QString level = Photo(folder, "level.jpg", {800, 800});
  const QString dropped = Photo(folder, "Дача.png", {1000, 700});
  TFreeChooser chooser({{"Природа, уровень 3", level}, {"Пропавшая", folder.File("нет.jpg")}});
  auto* list = chooser.findChild<QListWidget*>();
  ASSERT_EQ(list->count(), 1) << "a picture that cannot be read is not offered";
  EXPECT_EQ(list->item(0)->text(), "Природа, уровень 3");
  list->setCurrentRow(0);
  EXPECT_EQ(chooser.Picture(), level);

  chooser.show();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(dropped)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&chooser, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&chooser, &drop);
  EXPECT_EQ(chooser.Picture(), dropped);
  EXPECT_EQ(list->count(), 2);
  EXPECT_EQ(list->currentRow(), 0);

  EXPECT_TRUE(chooser.LevelButton().isHidden());
  chooser.OfferLevel(true);
  QSignalSpy level_(&chooser, &TFreeChooser::LevelChosen);
  QTest::mouseClick(&chooser.LevelButton(), Qt::LeftButton);
  ASSERT_EQ(level_.size(), 1);
  EXPECT_EQ(level_[0][0].toString(), dropped);
}
}  // namespace
