// The theme and picture chooser: the theme list, the picture tiles, the completion rule and buying for 40 stars.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelData.h"
#include "support/GameFixture.h"
#include "ui/BonusButton.h"
#include "ui/BonusForm.h"
#include "ui/StoragePack.h"
#include "ui/ThemeList.h"
#include "ui/TileBox.h"
#include "view/ImageView.h"

namespace {
QStringList Ids(const std::vector<TChooserLevel>& levels) {
  QStringList ids;
  for (const TChooserLevel& level : levels) ids << level.id;
  return ids;
}

TEST(ThemeList, NamesEachPacksLowestLevelInTheOrderPacksAreFirstMet) {
  const struct {
    const char* name;
    std::vector<TChooserLevel> levels;
    QStringList themes;
  } cases[] = {
      {"levels 3, 1, 2 of one pack", {{"c3", "A", 3}, {"c1", "A", 1}, {"c2", "A", 2}}, {"c1"}},
      {"equal lowest: the first met stays", {{"x", "A", 1}, {"y", "A", 1}, {"z", "A", 4}}, {"x"}},
      {"packs in the order first met",
       {{"b5", "B", 5}, {"a2", "A", 2}, {"b1", "B", 1}, {"s0", "standart", 0}, {"a1", "A", 1}},
       {"b1", "a1", "s0"}},
      {"pack names are case-sensitive", {{"u", "Sea", 2}, {"l", "sea", 1}}, {"u", "l"}},
      {"negative numbers are lower", {{"p", "A", 0}, {"m", "A", -3}}, {"m"}},
      {"nothing installed", {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Ids(BuildThemeList(c.levels)), c.themes);
  }
}

TEST(ThemeList, APictureIsCompletedWhenItsNameOccursAnywhereInTheList) {
  const struct {
    const char* id;
    const char* completePuzzle;
    bool completed;
  } cases[] = {
      {"2", "12.jpg ", true},
      {"cat", "wildcat.jpg ", true},
      {"cat", "cat.jpg dog.jpg ", true},
      {"dog", "cat.jpg dog.jpg ", true},
      {"2", "2.jpeg ", false},
      {"cat", "CAT.JPG ", false},
      {"cat", "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " in '" << c.completePuzzle << "'");
    EXPECT_EQ(IsPictureCompleted(c.id, c.completePuzzle), c.completed);
  }
}

class Chooser : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    chooser = std::make_unique<TStoragePack>();
  }
  void TearDown() override {
    chooser.reset();
    GameFixture::TearDown();
  }

  // A level: its INI file with only the keys given, and a one-colour picture unless told otherwise.
  void WriteLevel(const QString& id, const char* pack, const char* level, QColor colour = Qt::red,
                  bool picture = true) {
    QByteArray ini = "[PuzzleSettings]\nimage=" + id.toUtf8() + ".jpg\n";
    if (pack) ini += QByteArray("pack=") + pack + "\n";
    if (level) ini += QByteArray("level=") + level + "\n";
    folder.Write("levels/data/" + id + ".ini", ini);
    if (!picture) return;
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(folder.File("levels/data/" + id + ".jpg"), "JPG"));
  }

  TImage32* Tile(const QString& name) const { return chooser->findChild<TImage32*>(name); }
  QLabel* Label(const QString& name) const { return chooser->findChild<QLabel*>(name); }
  QStringList TileNames() const {
    QStringList names;
    for (const TImage32* tile : chooser->findChildren<TImage32*>()) names << tile->objectName();
    names.sort();
    return names;
  }
  static QColor CentreColour(TImage32* tile) {
    const TBitmap32& bitmap = tile->Bitmap();
    return QColor::fromRgb(bitmap.Pixel(bitmap.Width() / 2, bitmap.Height() / 2));
  }
  void ClickTile(const QString& name) {
    TImage32* tile = Tile(name);
    ASSERT_NE(tile, nullptr) << name.toStdString();
    ASSERT_TRUE(tile->OnClick) << name.toStdString() << " takes no clicks";
    tile->OnClick(tile);
  }

  std::unique_ptr<TStoragePack> chooser;
};

TEST_F(Chooser, ShowsOneTilePerThemeWithItsLowestLevelsPicture) {
  WriteLevel("a", "Море", "3", Qt::red);
  WriteLevel("b", "Море", "1", Qt::blue);
  WriteLevel("c", "Море", "2", Qt::green);
  WriteLevel("d", nullptr, nullptr, Qt::yellow);  // pack "standart", level 0
  WriteLevel("e", "Лес", "5", Qt::magenta);
  chooser->Tag = 1;
  chooser->show();

  EXPECT_EQ(chooser->Tag, -1);
  EXPECT_EQ(TileNames(), QStringList({"Image0", "Image1", "Image2"}));
  const struct {
    const char* image;
    const char* label;
    QRect rect;
    QStringList hint;
    QString pack;
    QColor colour;
  } themes[] = {
      {"Image0", "Label0", {0, 0, 200, 200}, {"b", "Море"}, "Море", Qt::blue},
      {"Image1", "Label1", {210, 0, 200, 200}, {"d", "standart"}, "standart", Qt::yellow},
      {"Image2", "Label2", {420, 0, 200, 200}, {"e", "Лес"}, "Лес", Qt::magenta},
  };
  for (const auto& t : themes) {
    SCOPED_TRACE(t.image);
    TImage32* tile = Tile(t.image);
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->geometry(), t.rect);
    EXPECT_EQ(tile->parentWidget(), chooser->ScrollBox->Tiles());
    EXPECT_EQ(TileHint(tile), t.hint);
    EXPECT_TRUE(tile->toolTip().isEmpty()) << "the hint is never displayed";
    const QColor centre = CentreColour(tile);
    EXPECT_NEAR(centre.red(), t.colour.red(), 8);
    EXPECT_NEAR(centre.green(), t.colour.green(), 8);
    EXPECT_NEAR(centre.blue(), t.colour.blue(), 8);
    QLabel* label = Label(t.label);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), t.pack);
    EXPECT_EQ(label->geometry(), QRect(t.rect.x(), 200, 200, 40));
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(label->font().pointSize(), 14);
  }
  EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
}

TEST_F(Chooser, ThemeTilesWrapIntoThreeColumnsWithRowsBelowTheNames) {
  for (int i = 0; i < 5; ++i) WriteLevel(QString("t%1").arg(i), QString("P%1").arg(i).toUtf8().constData(), "1");
  chooser->show();
  EXPECT_EQ(Tile("Image2")->geometry().topLeft(), QPoint(420, 0));
  EXPECT_EQ(Tile("Image3")->geometry().topLeft(), QPoint(0, 250));
  EXPECT_EQ(Label("Label3")->geometry().topLeft(), QPoint(0, 450));
}

// Six themes, one with a long name: every name is whole, on its own, and can be scrolled to without a side scroll.
TEST_F(Chooser, EveryThemeNameIsShownInFull) {
  const char* const names[] = {"standart",        "priroda", "Мои картинки",
                               "Города и дороги", "Горы",    "Очень длинное название темы с картинками"};
  int i = 0;
  for (const char* name : names) WriteLevel(QString("t%1").arg(i++), name, "1");
  chooser->show();
  QApplication::processEvents();
  TTileBox* box = chooser->ScrollBox;
  EXPECT_LE(box->Tiles()->width(), box->viewport()->width()) << "no tile reaches past the box's width";
  EXPECT_FALSE(box->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(box->verticalScrollBar()->isVisible());
  EXPECT_GE(box->verticalScrollBar()->maximum() + box->viewport()->height(), box->Tiles()->height());
  QList<QWidget*> tiles;
  for (QWidget* tile : box->Tiles()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) tiles << tile;
  for (int n = 0; n < 6; ++n) {
    QLabel* label = Label("Label" + QString::number(n));
    ASSERT_NE(label, nullptr);
    SCOPED_TRACE(label->text().toStdString());
    EXPECT_EQ(label->text(), QString(names[n]));
    EXPECT_EQ(label->size(), QSize(200, 40));
    const QRect needed =
        QFontMetrics(label->font()).boundingRect(label->rect(), Qt::AlignCenter | Qt::TextWordWrap, label->text());
    EXPECT_TRUE(label->rect().contains(needed)) << "the name needs " << needed.width() << "x" << needed.height();
    EXPECT_GE(label->font().pointSize(), 8);
    for (const QWidget* other : tiles) {
      if (other == label) continue;
      EXPECT_FALSE(other->geometry().intersects(label->geometry())) << other->objectName().toStdString();
    }
  }
  EXPECT_EQ(Label("Label0")->font().pointSize(), 14) << "short names keep the large font";
}
TEST_F(Chooser, AMissingOrBrokenTilePictureShowsAPlaceholder) {
  WriteLevel("nopicture", "A", "1", Qt::red, false);
  WriteLevel("broken", "B", "1", Qt::red, false);
  folder.Write("levels/data/broken.jpg", "not a JPEG at all");
  chooser->show();
  for (const char* name : {"Image0", "Image1"}) {
    SCOPED_TRACE(name);
    ASSERT_NE(Tile(name), nullptr);
    EXPECT_EQ(Tile(name)->Bitmap().Width(), 200);
    EXPECT_EQ(Tile(name)->Bitmap().Height(), 200);
  }
  EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
}

TEST_F(Chooser, NoDataFolderMeansNoThemes) {
  chooser->show();
  EXPECT_TRUE(TileNames().isEmpty());
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Chooser, ALevelNumberThatIsNotANumberIsReportedAndShowsNoThemes) {
  WriteLevel("good", "A", "1");
  WriteLevel("bad", "A", "two");
  chooser->show();
  EXPECT_TRUE(TileNames().isEmpty());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("bad.ini")) << messages[0].toStdString();
}

TEST_F(Chooser, AThemeClickShowsItsPicturesNamedByTheirPlaceInTheListing) {
  WriteLevel("a1", "A", "1");
  WriteLevel("b1", "B", "1");
  WriteLevel("a2", "A", "2");
  WriteLevel("b2", "B", "2");
  WriteLevel("a3", "A", "7");
  chooser->show();  // listing: a1 a2 a3 b1 b2, so k = 1 2 3 4 5
  ClickTile("Image0");
  EXPECT_EQ(TileNames(), QStringList({"Image0", "Image1", "picture1", "picture2", "picture3"}));
  const struct {
    const char* name;
    QPoint at;
    QStringList hint;
  } pictures[] = {
      {"picture1", {0, 0}, {"a1", "A", "1"}},
      {"picture2", {70, 0}, {"a2", "A", "2"}},
      {"picture3", {140, 0}, {"a3", "A", "7"}},
  };
  for (const auto& p : pictures) {
    SCOPED_TRACE(p.name);
    EXPECT_EQ(Tile(p.name)->geometry(), QRect(p.at, QSize(60, 60)));
    EXPECT_EQ(Tile(p.name)->parentWidget(), chooser->ScrollBox1->Tiles());
    EXPECT_EQ(TileHint(Tile(p.name)), p.hint);
    EXPECT_EQ(Tile(p.name)->Bitmap().MasterAlpha(), 255);
    const QString description = QString(p.name).replace("picture", "description");
    ASSERT_NE(Label(description), nullptr);
    EXPECT_EQ(Label(description)->text(), "Открыть за 40 звездочек");
    EXPECT_EQ(Label(description)->geometry(), QRect(p.at + QPoint(0, 60), QSize(60, 40)));
  }

  ClickTile("Image1");
  EXPECT_EQ(TileNames(), QStringList({"Image0", "Image1", "picture4", "picture5"}));
  EXPECT_EQ(Tile("picture4")->geometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(Label("description1"), nullptr) << "the first theme's labels are gone too";
}

TEST_F(Chooser, PictureTilesWrapWithinTheBoxIntoRows120PixelsApart) {
  for (int i = 0; i < 11; ++i) WriteLevel(QString("p%1").arg(i, 2, 10, QChar('0')), "A", "1");
  chooser->show();
  ClickTile("Image0");
  EXPECT_EQ(Tile("picture9")->geometry().topLeft(), QPoint(560, 0));
  EXPECT_EQ(Tile("picture10")->geometry().topLeft(), QPoint(0, 120));
  EXPECT_LE(chooser->ScrollBox1->Tiles()->width(), chooser->ScrollBox1->viewport()->width());
}

TEST_F(Chooser, EscapeClosesTheChooserWithoutBuying) {
  WriteLevel("a", "A", "1");
  chooser->show();
  QTest::keyClick(chooser.get(), Qt::Key_Escape);
  EXPECT_FALSE(chooser->isVisible());
  EXPECT_EQ(chooser->Tag, -1);
  EXPECT_TRUE(TileNames().isEmpty());
}

TEST_F(Chooser, ACompletedPictureIsFadedAndTakesNoClick) {
  WriteLevel("2", "A", "1");
  WriteLevel("12", "A", "2");
  WriteLevel("3", "A", "3");
  Puzzle.CompletePuzzle = "12.jpg ";
  chooser->show();  // listing: 12 2 3
  ClickTile("Image0");
  for (const char* name : {"picture1", "picture2"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Tile(name)->Bitmap().MasterAlpha(), 50);
    EXPECT_EQ(Tile(name)->Bitmap().DrawMode(), dmBlend);
    EXPECT_FALSE(Tile(name)->OnClick);
    EXPECT_TRUE(TileHint(Tile(name)).isEmpty());
  }
  EXPECT_EQ(Label("description2")->text(), "Открыть за 40 звездочек");
  EXPECT_EQ(Tile("picture3")->Bitmap().MasterAlpha(), 255);
  EXPECT_TRUE(Tile("picture3")->OnClick);
}

TEST_F(Chooser, BuyingAPictureNeedsFortyStars) {
  WriteLevel("sea1", "Море", "1");
  WriteLevel("sea4", "Море", "4");
  Puzzle.level = 9;
  Puzzle.Pack = "standart";
  Puzzle.GameStatus.IdStep = stPaused;

  Puzzle.GameStatus.Score = 39;
  bool stillOpen = false;
  QTimer::singleShot(0, chooser.get(), [&] {
    ClickTile("Image0");
    ClickTile("picture2");
    stillOpen = chooser->isVisible();
    chooser->close();
  });
  chooser->exec();
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(chooser->Tag, -1);
  EXPECT_EQ(Puzzle.GameStatus.Score, 39);
  EXPECT_EQ(Puzzle.level, 9);
  EXPECT_EQ(Puzzle.Pack, "standart");
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPaused);

  Puzzle.GameStatus.Score = 40;
  QTimer::singleShot(0, chooser.get(), [&] {
    ClickTile("Image0");
    ClickTile("picture2");
  });
  chooser->exec();
  EXPECT_FALSE(chooser->isVisible());
  EXPECT_EQ(chooser->Tag, 1);
  EXPECT_EQ(Puzzle.GameStatus.Score, 0);
  EXPECT_EQ(Puzzle.level, 4);
  EXPECT_EQ(Puzzle.Pack, "Море");
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stIdle);
  EXPECT_TRUE(TileNames().isEmpty()) << "closing frees every tile";
}

TEST_F(Chooser, ReopeningBuildsTheThemesAnewWithoutPictures) {
  WriteLevel("a", "A", "1");
  chooser->show();
  ClickTile("Image0");
  chooser->close();
  EXPECT_TRUE(TileNames().isEmpty());
  WriteLevel("b", "B", "1");
  chooser->show();
  EXPECT_EQ(TileNames(), QStringList({"Image0", "Image1"}));
  EXPECT_EQ(chooser->findChildren<QLabel*>().size(), 2);
}

// The bonus window's choose button, through the chooser and back.
class ChooseFromBonusWindow : public Chooser {
 protected:
  std::unique_ptr<TBonusForm> bonus = std::make_unique<TBonusForm>();
};

TEST_F(ChooseFromBonusWindow, LeavingTheChooserWithoutBuyingClosesBothAndChangesNothing) {
  WriteLevel("a", "A", "1");
  Puzzle.GameStatus.Score = 100;
  Puzzle.GameStatus.IdStep = stPaused;
  bool chooserShown = false;
  QTimer::singleShot(0, bonus.get(), [&] {
    QTimer::singleShot(0, chooser.get(), [&] {
      chooserShown = chooser->isVisible();
      chooser->close();
    });
    bonus->ChooseButton->click();
  });
  bonus->exec();
  EXPECT_TRUE(chooserShown);
  EXPECT_FALSE(bonus->isVisible());
  EXPECT_FALSE(chooser->isVisible());
  EXPECT_EQ(mstate, msChooserCancelled);
  EXPECT_EQ(Puzzle.GameStatus.Score, 100);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPaused);
}
}  // namespace
