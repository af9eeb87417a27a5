// Keeps child controls at their design places as their parent resizes, by the edges each is anchored to.
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

enum TAnchor { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
constexpr int akAll = akLeft | akTop | akRight | akBottom;

class TAnchors : public QObject {
 public:
  // Watches `parent`, whose design size is `designSize`.
  TAnchors(QWidget* parent, QSize designSize);

  // Places `child` at its design rectangle and keeps it anchored. No anchor on an axis keeps its relative place.
  void Add(QWidget* child, QRect designRect, int anchors);
  // Where a child anchored so goes when its parent is `size`.
  static QRect Place(QRect designRect, QSize designSize, int anchors, QSize size);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    QWidget* child;
    QRect design;
    int anchors;
  };
  void Apply();

  QWidget* parent_;
  QSize designSize_;
  std::vector<Entry> entries_;
};
