// A free puzzle's file read back as written, and every kind of bad file refused with a Russian reason.
#include <gtest/gtest.h>

#include <QDataStream>
#include <QRegularExpression>
#include <functional>

#include "FreeSavesFixture.h"
#include "engine/PicPuzzle.h"
#include "engine/level/SavedGameFile.h"
#include "free/saves/FreeSaveFile.h"
#include "free/saves/FreeThumbnail.h"
#include "support/TestFolder.h"

namespace {
// A save with a join, turned pieces and a thumbnail; the place of an emptied group is kept too.
TFreeSave SampleSave() {
  TFreeSave save;
  save.Origin = {"/картинки/озеро.png", 12, true, 4'000'000'000u};
  save.Grid = {4, 3, QSize(240, 180)};
  for (int piece = 0; piece < 12; ++piece) {
    save.State.GroupOf.push_back(piece == 1 ? 0 : piece);
    save.State.Places.push_back({QPointF(piece * 31.25 - 7, 1e-3 * piece), 720.5 - piece * 33.3});
  }
  for (int group = 11; group >= 0; --group)
    if (group != 1) save.State.Stacking.push_back(group);
  save.Seconds = 3725;
  save.Finished = false;
  save.Thumbnail = QImage(64, 48, QImage::Format_RGB32);
  save.Thumbnail.fill(QColor(10, 200, 30));
  save.Saved = QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7, 89), Qt::UTC);
  return save;
}

QString Reason(const QByteArray& bytes) {
  return FreeFault([&] { ParseFreeSave(bytes); });
}

const QRegularExpression kRussian("[а-яА-Я]");
}  // namespace

TEST(FreeSaveFile, ReadsBackAsWritten) {
  const TFreeSave save = SampleSave();
  const QByteArray bytes = FreeSaveBytes(save);
  EXPECT_TRUE(LooksLikeFreeSave(bytes.left(16)));
  const TFreeSave read = ParseFreeSave(bytes);
  EXPECT_EQ(read.Origin, save.Origin);
  EXPECT_EQ(read.Grid, save.Grid);
  EXPECT_EQ(read.State.GroupOf, save.State.GroupOf);
  EXPECT_EQ(read.State.Stacking, save.State.Stacking);
  ASSERT_EQ(read.State.Places.size(), save.State.Places.size());
  for (std::size_t i = 0; i < save.State.Places.size(); ++i) {
    EXPECT_EQ(read.State.Places[i].Origin, save.State.Places[i].Origin) << i;
    EXPECT_EQ(read.State.Places[i].Angle, save.State.Places[i].Angle) << i;
  }
  EXPECT_EQ(read.Seconds, save.Seconds);
  EXPECT_EQ(read.Finished, save.Finished);
  EXPECT_EQ(read.Saved, save.Saved);
  EXPECT_EQ(read.Thumbnail.convertToFormat(QImage::Format_RGB32), save.Thumbnail);

  TFreeSave bare = save;
  bare.Thumbnail = QImage();
  bare.Finished = true;
  const TFreeSave readBare = ParseFreeSave(FreeSaveBytes(bare));
  EXPECT_TRUE(readBare.Thumbnail.isNull());
  EXPECT_TRUE(readBare.Finished);
}

TEST(FreeSaveFile, CutShortAnywhereIsSaidSo) {
  const QByteArray bytes = FreeSaveBytes(SampleSave());
  for (qsizetype size = 8; size < bytes.size(); ++size) {
    const QString reason = Reason(bytes.left(size));
    ASSERT_TRUE(reason.contains("обрывается")) << size << " " << reason.toStdString();
  }
}

struct TBadFile {
  const char* name;
  std::function<QByteArray()> bytes;
  const char* reason;  // a part of the Russian text
};

TEST(FreeSaveFile, RefusesBadFilesWithAReason) {
  const auto spoiled = [](std::function<void(TFreeSave&)> spoil) {
    return [spoil] {
      TFreeSave save = SampleSave();
      spoil(save);
      return FreeSaveBytes(save);
    };
  };
  const auto patched = [](int at, QByteArray with) {
    return [at, with] { return FreeSaveBytes(SampleSave()).replace(at, with.size(), with); };
  };
  const std::vector<TBadFile> cases = {
      {"Empty", [] { return QByteArray(); }, "не файл пазла"},
      {"Foreign", [] { return QByteArray("\x89PNG\r\n\x1a\n and more bytes than a header"); }, "не файл пазла"},
      {"LevelGame", [] { return SavedGameBytes(TPicPuzzle()); }, "не файл пазла"},
      {"NewerVersion", patched(8, QByteArray("\x02\0\0\0", 4)), "более новой версией"},
      {"VersionZero", patched(8, QByteArray("\0\0\0\0", 4)), "повреждён"},
      {"HugePath", patched(12, QByteArray("\xff\xff\xff\x7f", 4)), "повреждён"},
      {"NegativePath", patched(12, QByteArray("\xff\xff\xff\xff", 4)), "повреждён"},
      {"TrailingBytes", [] { return FreeSaveBytes(SampleSave()) + "x"; }, "лишние байты"},
      {"NoPicture", spoiled([](TFreeSave& s) { s.Origin.Picture.clear(); }), "нет имени картинки"},
      {"PieceCount", spoiled([](TFreeSave& s) { s.Origin.Pieces = 5000; }), "число деталей"},
      {"NoColumns", spoiled([](TFreeSave& s) { s.Grid.Columns = 0; }), "сетка"},
      {"GridTooLarge", spoiled([](TFreeSave& s) { s.Grid.Columns = 3000; }), "сетка"},
      {"GridAndPieces", spoiled([](TFreeSave& s) { s.Grid.Columns = 5; }), "не сходится с сеткой"},
      {"GroupOutOfRange", spoiled([](TFreeSave& s) { s.State.GroupOf[3] = 12; }), "несуществующей группе"},
      {"StackedGroupOutOfRange", spoiled([](TFreeSave& s) { s.State.Stacking[0] = -4; }), "несуществующая группа"},
      {"NegativeTime", spoiled([](TFreeSave& s) { s.Seconds = -1; }), "время"},
      {"HugeThumbnail",
       spoiled([](TFreeSave& s) { s.Thumbnail = QImage(kFreeThumbnailSide + 1, 8, QImage::Format_RGB32); }),
       "миниатюра"},
      {"ThumbnailNotAPicture",
       [] {
         // The thumbnail's bytes are last: the count stays, the bytes become noise.
         QByteArray bytes = FreeSaveBytes(SampleSave());
         const qsizetype start = bytes.lastIndexOf("\x89PNG");
         return bytes.replace(start, 8, QByteArray(8, 'z'));
       },
       "миниатюра"},
  };
  for (const TBadFile& c : cases) {
    const QString reason = Reason(c.bytes());
    EXPECT_TRUE(reason.contains(c.reason)) << c.name << ": " << reason.toStdString();
    EXPECT_TRUE(reason.contains(kRussian)) << c.name;
  }
}
