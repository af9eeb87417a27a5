// Read-only INI files as the level packs write them: sections, keys and values, looked up without regard to case.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class TIniFile {
 public:
  // Reads and parses the whole file. Throws std::runtime_error naming the file when it cannot be read.
  // A byte-order mark decides UTF-8 or UTF-16; without one, valid UTF-8 is UTF-8 and anything else Windows-1251.
  explicit TIniFile(const QString& fileName);

  // The value with blanks around it removed, or defaultValue when the section or key is missing.
  QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;

  // Section names in the order they first appear.
  const QStringList& Sections() const { return sections_; }
  const QString& FileName() const { return fileName_; }

 private:
  QString fileName_;
  QStringList sections_;
  // Folded "section" + '\n' + "key" to value; the first occurrence of a key wins, as with Windows INI files.
  QHash<QString, QString> values_;
};

// The text of an INI file's bytes, decoded as TIniFile does.
QString DecodeIniText(const QByteArray& bytes);
