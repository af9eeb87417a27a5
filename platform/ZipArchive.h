// ZIP archives over libzip: reading the entries of a level pack, and writing one.
#pragma once

#include <QByteArray>
#include <QString>
#include <list>
#include <stdexcept>

struct zip;

// An archive that cannot be opened, read or written; the text names the file and the reason in Russian.
class TZipError : public std::runtime_error {
 public:
  explicit TZipError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

class TZipReader {
 public:
  // Opens the archive with libzip's consistency checks. Throws TZipError when it is not a readable ZIP.
  explicit TZipReader(const QString& fileName);
  ~TZipReader();
  TZipReader(const TZipReader&) = delete;
  TZipReader& operator=(const TZipReader&) = delete;

  int Count() const;
  // The entry's name as stored, folders and all; a name that is not UTF-8 is read as CP866.
  QString Name(int index) const;
  // The entry's size unpacked as the archive states it; anything above kMaxEntrySize as kMaxEntrySize + 1.
  qint64 Size(int index) const;
  // The entry's bytes, checked against its checksum. Throws TZipError when damaged or larger than kMaxEntrySize.
  QByteArray Read(int index) const;

  // Far beyond any picture or level file; a bigger entry is taken as damage, not allocated.
  static constexpr qint64 kMaxEntrySize = qint64{256} << 20;

 private:
  TZipError EntryError(int index, const QString& reason) const;

  QString fileName_;
  zip* archive_ = nullptr;
};

// Collects entries and writes the archive in one go; the file appears only complete.
class TZipWriter {
 public:
  explicit TZipWriter(QString fileName) : fileName_(std::move(fileName)) {}
  void Add(const QString& name, const QByteArray& bytes);
  // Throws TZipError naming the file when it cannot be written.
  void Write() const;

 private:
  QString fileName_;
  std::list<std::pair<QString, QByteArray>> entries_;
};
