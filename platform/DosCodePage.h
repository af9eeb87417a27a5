// The DOS code page of Russian Windows, in which ZIP tools there store file names.
#pragma once

#include <QByteArray>
#include <QString>

// Decodes CP866 bytes; every byte has a character, so this never fails.
QString DecodeCp866(const QByteArray& bytes);
