// Matching file names without regard to letter case, as packs made on Windows expect.
#include <gtest/gtest.h>

#include "platform/FolderListing.h"
#include "support/TestFolder.h"

namespace {
TEST(FolderListing, MatchFileNameFindsTheFileInAnyLetterCase) {
  TestFolder folder;
  for (const char* name : {"lvl.bmp", "Кот.jpg", "two.level", "Two.LEVEL", "exact.ini"}) folder.Write(name, "x");
  const struct {
    const char* asked;
    const char* found;
  } cases[] = {{"LVL.BMP", "lvl.bmp"},        {"кот.JPG", "Кот.jpg"},
               {"КОТ.jpg", "Кот.jpg"},        {"exact.ini", "exact.ini"},
               {"TWO.level", "Two.LEVEL"},    {"two.level", "two.level"},
               {"absent.bmp", "absent.bmp"},  {"", ""},
               {"sub/lvl.bmp", "sub/lvl.bmp"}};
  for (const auto& c : cases)
    EXPECT_EQ(MatchFileName(folder.Path(), QString::fromUtf8(c.asked)), QString::fromUtf8(c.found)) << c.asked;
}
}  // namespace
