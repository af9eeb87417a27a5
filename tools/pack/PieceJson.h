// A piece record as JSON under the game's field names, shared by the commands that print level data and saved games.
#pragma once

#include <QJsonObject>

#include "engine/PicPuzzle.h"

QJsonObject PieceJson(const TPicClip& piece);
