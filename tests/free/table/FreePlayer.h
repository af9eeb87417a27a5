// A player who completes a free puzzle through the real table with the mouse: first a block joined off the frame,
// then every group brought into the frame.
#pragma once

#include <QPointF>

#include "free/table/FreeTable.h"

// Drags the group of `piece` by the table offset, gripping it where it shows; false when no part of it shows.
bool DragGroup(TFreeTable& table, int piece, QPointF offset);

// Plays the table's puzzle to the end, failing the test where a step does not do what it should.
void PlayWholePuzzle(TFreeTable& table);
