// Classic jigsaw outlines for new level packs: tabs and blanks of cubic Bezier curves, straight outer edges.
#pragma once

#include <QString>
#include <QStringList>
#include <random>

// One outline path per piece, row-major, in the 800 × 800 outline space with the cell at 200..600. Every inner
// edge is one random tab, drawn identically in both pieces it separates, so neighbours interlock exactly; it
// points into one or the other at random and varies a little in size and place. Outer edges lie on the cell
// boundary. Every curve has at most four control points, all inside the pattern.
QStringList JigsawOutlines(int ColCount, int RowCount, std::mt19937& random);
