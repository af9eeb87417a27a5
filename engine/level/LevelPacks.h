// Unpacking level packs into the data folder.
#pragma once

#include <QString>
#include <QStringList>

class TBusyProgress;
class TZipReader;

// Bounds far above any real pack: a pack beyond them is refused before anything is written.
constexpr int kMaxPackEntries = 20000;
constexpr qint64 kMaxPackSize = qint64{1} << 30;  // unpacked bytes

// Extracts every entry of the ZIP archive Fname into ExtractDir under its bare name (the part after the last "/"
// or "\"), replacing a file of that name; entries whose bare name is empty, "." or ".." are skipped.
// All or nothing: the entries are written into a staging folder beside ExtractDir first and moved in only when
// every one was written. Throws TZipError with a Russian text naming the file when the archive is beyond the pack
// bounds, cannot be read or an entry cannot be written; ExtractDir is then as it was. progress, when given, is
// moved along the entries.
void UnCompressData(const QString& Fname, const QString& ExtractDir, TBusyProgress* progress = nullptr);

// Throws TZipError naming fileName when the archive holds more entries or more unpacked bytes than a pack may.
void CheckPackBounds(const TZipReader& archive, const QString& fileName);

// The bare name an archive entry is extracted under; empty for an entry to skip.
QString BareEntryName(const QString& entryName);

// Installs the named pack archives of the data folder at once, as the next start would. What goes wrong waits
// for ShowPackReport.
void InstallPacks(const QStringList& names);

// Every pack problem of this start in one message box, then forgotten; nothing when there was none. Called once
// the main window shows, so the player sees the window behind it.
void ShowPackReport();
