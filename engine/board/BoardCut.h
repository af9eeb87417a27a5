// The level cut of the game: CreateMatrixPics, and the flag that tells a cut is under way.
#pragma once

// True while CreateMatrixPics runs. The cut lets window events run between pieces, so a start or pause request
// can arrive in the middle of it; such a request must wait until this is false.
bool PiecesCutting();
