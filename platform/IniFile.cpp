// INI file reading.
//
// Written out here rather than over inih: the Debian build of inih cuts lines at 200 bytes (a Russian
// description is longer than that in UTF-8), takes indented lines as continuations of the previous value and
// strips " ;" comments out of values, none of which the level packs expect.
#include "platform/IniFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace {
// Plain open and read: the level search reads every INI file of the data folder, and QFile's extra calls per
// file cost twice as much there.
QByteArray ReadWholeFile(const QString& fileName) {
  const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC);
  QByteArray bytes;
  int error = fd < 0 ? errno : 0;
  for (char chunk[16384]; fd >= 0;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got > 0) {
      bytes.append(chunk, got);
    } else if (got == 0 || errno != EINTR) {
      if (got < 0) error = errno;
      break;
    }
  }
  if (fd >= 0) ::close(fd);
  if (error)
    throw std::runtime_error(QString("Не удаётся прочитать файл «%1»: %2")
                                 .arg(fileName, QString::fromLocal8Bit(std::strerror(error)))
                                 .toStdString());
  return bytes;
}

QString DecodeWith(QStringDecoder decoder, QByteArrayView bytes) {
  if (!decoder.isValid()) throw std::runtime_error("the text decoder is missing from this Qt build");
  return decoder(bytes);
}
}  // namespace

QString DecodeIniText(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) return DecodeWith(QStringDecoder(QStringDecoder::Utf8), bytes.mid(3));
  if (bytes.startsWith("\xFF\xFE")) return DecodeWith(QStringDecoder(QStringDecoder::Utf16LE), bytes.mid(2));
  if (bytes.startsWith("\xFE\xFF")) return DecodeWith(QStringDecoder(QStringDecoder::Utf16BE), bytes.mid(2));
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  if (!utf8.hasError()) return text;
  // Pack texts are Russian; files saved by Windows editors without a mark are in its Cyrillic code page.
  return DecodeWith(QStringDecoder("windows-1251"), bytes);
}

TIniFile::TIniFile(const QString& fileName) : fileName_(fileName) {
  QString text = DecodeIniText(ReadWholeFile(fileName));
  text.replace(QChar('\r'), QChar('\n'));  // CR LF, LF and a lone CR all end a line

  QString section;
  for (QStringView line : QStringView(text).split(QChar('\n'))) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(u';')) continue;
    if (line.startsWith(u'[')) {
      const qsizetype close = line.indexOf(u']');
      section = (close < 0 ? line.mid(1) : line.mid(1, close - 1)).toString();
      if (!sections_.contains(section.trimmed(), Qt::CaseInsensitive)) sections_ << section.trimmed();
      continue;
    }
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) continue;
    const QStringView key = line.left(equals).trimmed();
    if (ReadString(section, key.toString(), QString()).isNull())
      entries_.push_back({section.trimmed(), key.toString(), line.mid(equals + 1).trimmed().toString()});
  }
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const {
  const QStringView wantedSection = QStringView(section).trimmed(), wantedKey = QStringView(key).trimmed();
  for (const Entry& entry : entries_)
    if (entry.key.compare(wantedKey, Qt::CaseInsensitive) == 0 &&
        entry.section.compare(wantedSection, Qt::CaseInsensitive) == 0)
      return entry.value;
  return defaultValue;
}
