// ZIP reading and writing through libzip.
#include "platform/ZipArchive.h"

#include <zip.h>

#include <QFile>
#include <cstdio>

namespace {
QString ErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  const QString text = QString::fromUtf8(zip_error_strerror(&error));
  zip_error_fini(&error);
  return text;
}
}  // namespace

TZipReader::TZipReader(const QString& fileName) : fileName_(fileName) {
  int code = 0;
  archive_ = zip_open(QFile::encodeName(fileName).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (!archive_) throw TZipError(QString("Архив «%1» не читается как ZIP: %2").arg(fileName, ErrorText(code)));
}

TZipReader::~TZipReader() { zip_discard(archive_); }

int TZipReader::Count() const { return static_cast<int>(zip_get_num_entries(archive_, 0)); }

QString TZipReader::Name(int index) const {
  const char* name = zip_get_name(archive_, index, ZIP_FL_ENC_GUESS);
  return name ? QString::fromUtf8(name) : QString();
}

QByteArray TZipReader::Read(int index) const {
  auto fail = [&](const QString& reason) {
    return TZipError(QString("Архив «%1», файл «%2»: %3").arg(fileName_, Name(index), reason));
  };
  zip_stat_t stat;
  if (zip_stat_index(archive_, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
    throw fail(QString::fromUtf8(zip_strerror(archive_)));
  if (stat.size > static_cast<zip_uint64_t>(kMaxEntrySize)) throw fail("слишком большой файл");
  zip_file_t* file = zip_fopen_index(archive_, index, 0);
  if (!file) throw fail(QString::fromUtf8(zip_strerror(archive_)));
  QByteArray bytes(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
  const zip_int64_t got = zip_fread(file, bytes.data(), stat.size);
  // One byte more must find the end; a CRC mismatch shows up on reading that far.
  char extra;
  const zip_int64_t beyond = got == static_cast<zip_int64_t>(stat.size) ? zip_fread(file, &extra, 1) : -1;
  const QString reason = QString::fromUtf8(zip_file_strerror(file));
  zip_fclose(file);
  if (got != static_cast<zip_int64_t>(stat.size) || beyond != 0) throw fail(reason);
  return bytes;
}

void TZipWriter::Add(const QString& name, const QByteArray& bytes) { entries_.emplace_back(name, bytes); }

void TZipWriter::Write() const {
  const QString staging = fileName_ + ".part";
  QFile::remove(staging);
  int code = 0;
  zip_t* archive = zip_open(QFile::encodeName(staging).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (!archive) throw TZipError(QString("Не удаётся создать архив «%1»: %2").arg(fileName_, ErrorText(code)));
  for (const auto& [name, bytes] : entries_) {
    // libzip reads the buffers only when closing; entries_ keeps them alive until then.
    zip_source_t* source = zip_source_buffer(archive, bytes.constData(), bytes.size(), 0);
    if (!source || zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
      const QString reason = QString::fromUtf8(zip_strerror(archive));
      zip_source_free(source);
      zip_discard(archive);
      throw TZipError(QString("Не удаётся добавить «%1» в архив «%2»: %3").arg(name, fileName_, reason));
    }
  }
  if (zip_close(archive) != 0) {
    const QString reason = QString::fromUtf8(zip_strerror(archive));
    zip_discard(archive);
    QFile::remove(staging);
    throw TZipError(QString("Не удаётся записать архив «%1»: %2").arg(fileName_, reason));
  }
  if (std::rename(QFile::encodeName(staging).constData(), QFile::encodeName(fileName_).constData()) != 0) {
    QFile::remove(staging);
    throw TZipError(QString("Не удаётся записать архив «%1»").arg(fileName_));
  }
}
