// Tidying the table for the player: the border's pieces laid out along the table's edge, and the loose pieces
// gathered into view. Neither moves a group of two or more, nor a piece at rest in the frame.
#pragma once

#include <QRectF>
#include <vector>

class TFreePuzzle;

// Lays every loose piece of the picture's border in spots along the table's edge, clockwise from the top-left
// corner in the order they lie around the picture. Spots are the size of the largest of them and never cover a
// group, a piece that stays or the frame. Loose inner pieces lying in the outermost ring of spots make way: they
// take the spots left over, the ring's first, then the next ring's inwards. When the outermost ring is full the
// border's pieces go on into the next ring, and a piece that finds no free spot on the table stays where it was.
// Returns the groups moved.
std::vector<int> SortEdgePieces(TFreePuzzle& puzzle);

// Gathers every loose piece into spots in the part of the table `visible` shows, row by row from its top-left;
// the spots are those of one grid over the whole table, so the table holds as many as it can wherever the view is.
// Spots never cover a group of two or more nor the frame, which is kept for the picture; what the visible part cannot
// hold lies in spots nearest to it on the table, and a piece that finds no free spot on the table stays where it was.
// Returns the groups moved.
std::vector<int> GatherLoosePieces(TFreePuzzle& puzzle, QRectF visible);
