// Files of the source tree that tests read, found from the build's record of where the sources are.
#pragma once

#include <QString>

// The default level packs as committed, with a trailing "/".
inline QString SourcePacksFolder() { return QStringLiteral(PUZZLE_SOURCE_DIR "/packs/"); }
