// The completed-picture list, indexed so that thousands of "does this name occur in it" questions stay cheap.
#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <vector>

class TCompletedList {
 public:
  explicit TCompletedList(const QString& completePuz);
  // Exactly completePuz.contains(name): a plain substring test.
  bool Contains(QStringView name) const;

 private:
  static constexpr qsizetype kGram = 4;
  QString text_;
  // Every run of kGram characters of the text, and where it starts.
  QHash<quint64, std::vector<qsizetype>> starts_;
};
