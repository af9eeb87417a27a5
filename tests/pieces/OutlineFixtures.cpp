// Outline fixtures.
#include "OutlineFixtures.h"

#include <QStringList>
#include <random>

#include "pieces/JigsawOutlines.h"

QString RectOutline(int x0, int y0, int x1, int y1) {
  return QString("%1,%2,%3,%2;%3,%2,%3,%4;%3,%4,%1,%4;%1,%4,%1,%2").arg(x0).arg(y0).arg(x1).arg(y1);
}

QString SquareOutline() { return RectOutline(200, 200, 600, 600); }

QString RightTabOutline(int reach) {
  return QString(
             "200,200,600,200;600,200,600,350;600,350,%1,350;%1,350,%1,450;%1,450,600,450;600,450,600,600;"
             "600,600,200,600;200,600,200,200")
      .arg(reach);
}

std::vector<QString> Jigsaw(int cols, int rows, unsigned seed) {
  std::mt19937 random(seed);
  const QStringList outlines = JigsawOutlines(cols, rows, random);
  return {outlines.begin(), outlines.end()};
}
