// Time spent on a free puzzle as the player reads it.
#pragma once

#include <QString>

// "0:07", "12:34", "1:02:03".
QString FreeTimeText(int seconds);
