// Unpacking level packs into the data folder.
#pragma once

#include <QString>

// Extracts every entry of the ZIP archive Fname into ExtractDir under its bare name (the part after the last "/"
// or "\"), replacing a file of that name; entries whose bare name is empty, "." or ".." are skipped.
// Throws TZipError when the archive or an entry cannot be read; every file written is complete.
void UnCompressData(const QString& Fname, const QString& ExtractDir);

// The bare name an archive entry is extracted under; empty for an entry to skip.
QString BareEntryName(const QString& entryName);
