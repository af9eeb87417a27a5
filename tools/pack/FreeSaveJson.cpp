// A free puzzle's saved file as JSON: the origin, the grid, the time, and every piece's place.
#include "tools/pack/FreeSaveJson.h"

#include <QJsonArray>

#include "free/puzzle/PlaceGeometry.h"

QJsonObject FreeSaveJson(const TFreeSave& save) {
  const TFreeGrid& grid = save.Grid;
  QJsonArray pieces;
  for (int index = 0; index < int(save.State.GroupOf.size()); ++index) {
    const int group = save.State.GroupOf[index];
    const TGroupPlace& place = save.State.Places[group];
    const QPointF corner = ToTable(place, FreeCell(grid, index % grid.Columns, index / grid.Columns).topLeft());
    pieces.append(
        QJsonObject{{"index", index}, {"x", corner.x()}, {"y", corner.y()}, {"angle", place.Angle}, {"group", group}});
  }
  QJsonArray stacking;
  for (int group : save.State.Stacking) stacking.append(group);
  return QJsonObject{{"kind", "free"},
                     {"version", kFreeSaveVersion},
                     {"picture", save.Origin.Picture},
                     {"requested", save.Origin.Pieces},
                     {"turned", save.Origin.Turned},
                     {"seed", qint64(save.Origin.Seed)},
                     {"columns", grid.Columns},
                     {"rows", grid.Rows},
                     {"width", grid.Picture.width()},
                     {"height", grid.Picture.height()},
                     {"seconds", save.Seconds},
                     {"finished", save.Finished},
                     {"saved", save.Saved.toString(Qt::ISODateWithMs)},
                     {"thumbnail", QJsonObject{{"width", save.Thumbnail.width()}, {"height", save.Thumbnail.height()}}},
                     {"stacking", stacking},
                     {"pieces", pieces}};
}
