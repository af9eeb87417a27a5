// Outline fixtures: straight-edged cells, a single tab, and whole grids of interlocking jigsaw pieces.
#pragma once

#include <QString>
#include <vector>

// The four straight edges of the cell, one curve each.
QString SquareOutline();

// A rectangle x0..x1 × y0..y1 in outline space, one curve per edge.
QString RectOutline(int x0, int y0, int x1, int y1);

// The cell with a rectangular tab on its right side reaching to x = reach, between y = 350 and 450.
QString RightTabOutline(int reach);

// The outlines the pack tool makes for a cols × rows grid, row-major, from a fixed seed.
std::vector<QString> Jigsaw(int cols, int rows, unsigned seed = 1);
