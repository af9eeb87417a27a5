// The indexed completed-picture list answers exactly as a plain substring search.
#include <gtest/gtest.h>

#include <random>

#include "engine/level/CompletedList.h"

namespace {
TEST(CompletedList, NamedCases) {
  const TCompletedList list("wildcat.jpg lake.jpg ");
  const struct {
    const char* name;
    bool contained;
  } cases[] = {{"cat", true},
               {"wildcat", true},
               {"lake", true},
               {"lake2", false},
               {"", true},
               {"jpg lake", true},
               {"wildcats", false},
               {"at", true},
               {"cat.jpg l", true},
               {"wildcat.jpg lake.jpg ", true},
               {"wildcat.jpg lake.jpg  ", false}};
  for (const auto& c : cases) EXPECT_EQ(list.Contains(QString(c.name)), c.contained) << c.name;
  EXPECT_FALSE(TCompletedList("").Contains(QString("cat")));
  EXPECT_TRUE(TCompletedList("").Contains(QString()));
}

TEST(CompletedList, AgreesWithSubstringSearchOnRandomText) {
  std::mt19937 random(7);
  const QString alphabet = "ab. c";  // few letters, so runs repeat and overlap
  auto text = [&](int length) {
    QString s;
    for (int i = 0; i < length; ++i) s += alphabet[random() % alphabet.size()];
    return s;
  };
  for (int round = 0; round < 50; ++round) {
    const QString completed = text(random() % 200);
    const TCompletedList list(completed);
    for (int query = 0; query < 100; ++query) {
      const QString name = text(random() % 9);
      EXPECT_EQ(list.Contains(name), completed.contains(name))
          << completed.toStdString() << " / " << name.toStdString();
    }
  }
}
}  // namespace
