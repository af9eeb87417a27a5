// ZIP reading and writing through libzip.
#include "platform/ZipArchive.h"

#include <zip.h>

#include <QFile>
#include <QStringDecoder>
#include <cstdio>

#include "platform/DosCodePage.h"

namespace {
// libzip's reasons in plain Russian words; the code stays for whoever has to look deeper.
QString ErrorText(int code) {
  switch (code) {
    case ZIP_ER_NOZIP: return "это не ZIP-архив";
    case ZIP_ER_INCONS: return "архив повреждён: его оглавление не сходится с содержимым";
    case ZIP_ER_CRC: return "файл в архиве повреждён: не сходится контрольная сумма";
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
    case ZIP_ER_EOF: return "архив обрывается или не читается";
    case ZIP_ER_OPEN:
    case ZIP_ER_NOENT: return "архив не открывается";
    case ZIP_ER_COMPNOTSUPP: return "файл в архиве сжат неизвестным способом";
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD: return "файл в архиве зашифрован";
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA: return "сжатые данные в архиве повреждены";
    case ZIP_ER_MEMORY: return "не хватает памяти";
    case ZIP_ER_WRITE:
    case ZIP_ER_TMPOPEN:
    case ZIP_ER_RENAME:
    case ZIP_ER_CLOSE: return "не удаётся записать на диск";
    default: return QString("архив повреждён (ошибка libzip %1)").arg(code);
  }
}

QString ErrorText(zip_error_t* error) { return ErrorText(zip_error_code_zip(error)); }

bool IsUtf8(const QByteArray& bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = decoder.decode(bytes);  // decodes only when made a QString
  return !decoder.hasError();
}
}  // namespace

TZipReader::TZipReader(const QString& fileName) : fileName_(fileName) {
  int code = 0;
  archive_ = zip_open(QFile::encodeName(fileName).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (!archive_) throw TZipError(QString("Архив «%1» не читается: %2.").arg(fileName, ErrorText(code)));
}

TZipReader::~TZipReader() { zip_discard(archive_); }

int TZipReader::Count() const { return static_cast<int>(zip_get_num_entries(archive_, 0)); }

// Names are taken raw: libzip would read a name without the UTF-8 flag as CP437, but packs made on Russian Windows
// store the DOS code page CP866 there. A raw name that is valid UTF-8 is UTF-8 (flagged, plain ASCII, or
// libzip's choice from the Unicode path field).
QString TZipReader::Name(int index) const {
  const char* name = zip_get_name(archive_, index, ZIP_FL_ENC_RAW);
  if (!name) return QString();
  const QByteArray raw(name);
  return IsUtf8(raw) ? QString::fromUtf8(raw) : DecodeCp866(raw);
}

qint64 TZipReader::Size(int index) const {
  zip_stat_t stat;
  if (zip_stat_index(archive_, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
    throw EntryError(index, ErrorText(zip_get_error(archive_)));
  return stat.size > static_cast<zip_uint64_t>(kMaxEntrySize) ? kMaxEntrySize + 1 : static_cast<qint64>(stat.size);
}

TZipError TZipReader::EntryError(int index, const QString& reason) const {
  return TZipError(QString("Архив «%1», файл «%2»: %3.").arg(fileName_, Name(index), reason));
}

QByteArray TZipReader::Read(int index) const {
  const qint64 size = Size(index);
  if (size > kMaxEntrySize) throw EntryError(index, "файл слишком большой");
  zip_file_t* file = zip_fopen_index(archive_, index, 0);
  if (!file) throw EntryError(index, ErrorText(zip_get_error(archive_)));
  QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
  const zip_int64_t got = zip_fread(file, bytes.data(), size);
  // One byte more must find the end; a CRC mismatch shows up on reading that far.
  char extra;
  const zip_int64_t beyond = got == size ? zip_fread(file, &extra, 1) : -1;
  zip_error_t* error = zip_file_get_error(file);
  // Bytes beyond the stated size are damage as well, though libzip has no word for them.
  const QString reason = ErrorText(zip_error_code_zip(error) != ZIP_ER_OK ? zip_error_code_zip(error) : ZIP_ER_INCONS);
  zip_fclose(file);
  if (got != size || beyond != 0) throw EntryError(index, reason);
  return bytes;
}

void TZipWriter::Add(const QString& name, const QByteArray& bytes) { entries_.emplace_back(name, bytes); }

void TZipWriter::Write() const {
  const QString staging = fileName_ + ".part";
  QFile::remove(staging);
  int code = 0;
  zip_t* archive = zip_open(QFile::encodeName(staging).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (!archive) throw TZipError(QString("Не удаётся создать архив «%1»: %2.").arg(fileName_, ErrorText(code)));
  for (const auto& [name, bytes] : entries_) {
    // libzip reads the buffers only when closing; entries_ keeps them alive until then.
    zip_source_t* source = zip_source_buffer(archive, bytes.constData(), bytes.size(), 0);
    if (!source || zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
      const QString reason = ErrorText(zip_get_error(archive));
      zip_source_free(source);
      zip_discard(archive);
      throw TZipError(QString("Не удаётся добавить «%1» в архив «%2»: %3.").arg(name, fileName_, reason));
    }
  }
  if (zip_close(archive) != 0) {
    const QString reason = ErrorText(zip_get_error(archive));
    zip_discard(archive);
    QFile::remove(staging);
    throw TZipError(QString("Не удаётся записать архив «%1»: %2.").arg(fileName_, reason));
  }
  if (std::rename(QFile::encodeName(staging).constData(), QFile::encodeName(fileName_).constData()) != 0) {
    QFile::remove(staging);
    throw TZipError(QString("Не удаётся записать архив «%1»").arg(fileName_));
  }
}
