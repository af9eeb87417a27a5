// Read-only INI files as the level packs write them: sections, keys and values, looked up without regard to case.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

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
  struct Entry {
    QString section, key, value;
  };
  QString fileName_;
  QStringList sections_;
  // In file order; the first occurrence of a key wins, as with Windows INI files. Level files hold a handful of
  // keys, so a plain scan beats hashing folded copies (the level search reads thousands of these files).
  std::vector<Entry> entries_;
};

// The text of an INI file's bytes, decoded as TIniFile does.
QString DecodeIniText(const QByteArray& bytes);
