// The indexed completed-picture list.
#include "engine/level/CompletedList.h"

namespace {
quint64 GramAt(const QChar* p) {
  return quint64{p[0].unicode()} | quint64{p[1].unicode()} << 16 | quint64{p[2].unicode()} << 32 |
         quint64{p[3].unicode()} << 48;
}
}  // namespace

TCompletedList::TCompletedList(const QString& completePuz) : text_(completePuz) {
  for (qsizetype i = 0; i + kGram <= text_.size(); ++i) starts_[GramAt(text_.constData() + i)].push_back(i);
}

bool TCompletedList::Contains(QStringView name) const {
  if (name.size() < kGram) return text_.contains(name);
  // Only where the name's rarest run of characters occurs can the name itself occur.
  const std::vector<qsizetype>* rarest = nullptr;
  qsizetype offset = 0;
  for (qsizetype k = 0; k + kGram <= name.size(); ++k) {
    const auto found = starts_.constFind(GramAt(name.data() + k));
    if (found == starts_.cend()) return false;
    if (!rarest || found->size() < rarest->size()) {
      rarest = &*found;
      offset = k;
    }
  }
  for (qsizetype start : *rarest) {
    const qsizetype from = start - offset;
    if (from >= 0 && from + name.size() <= text_.size() && QStringView(text_).mid(from, name.size()) == name)
      return true;
  }
  return false;
}
