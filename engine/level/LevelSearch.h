// The level search's memory of the level files it has read.
#pragma once

// Forgets every level file read so far; the pack unpacking calls it after writing into the data folder.
void ForgetReadLevels();
