// Why a file could not be written, in the player's words rather than the system's.
#pragma once

#include <QString>

// The reason for a failed write of fileName, from the system's error number: a full disk, a folder that cannot be
// written or is not there. Never the system's own (English) text.
QString WriteErrorText(const QString& fileName, int errorNumber);
