// A free puzzle's saved file as JSON, for puzzle-pack savegame.
#pragma once

#include <QJsonObject>

#include "free/saves/FreeSaveFile.h"

// Each piece's x and y are where the top-left corner of its cell of the picture lies on the table; its angle and
// group are its group's. Needs no picture: the cells come from the grid.
QJsonObject FreeSaveJson(const TFreeSave& save);
