// Outline fixtures: straight-edged cells, single tabs, and whole grids of interlocking jigsaw pieces.
#pragma once

#include <QString>
#include <vector>

// The four straight edges of the cell, one curve each.
QString SquareOutline();

// A rectangle x0..x1 × y0..y1 in outline space, one curve per edge.
QString RectOutline(int x0, int y0, int x1, int y1);

// The cell with a rectangular tab on its right side reaching to x = reach, between y = 350 and 450.
QString RightTabOutline(int reach);

// Outlines of a cols × rows grid, row-major, whose inner edges carry cubic tabs that interlock: a neighbour's
// indentation is exactly the piece's tab. Tab sizes and places vary with `variant`.
std::vector<QString> JigsawOutlines(int cols, int rows, int variant = 0);
