// CP866 through glibc's iconv.
#include "platform/DosCodePage.h"

#include <iconv.h>

#include <stdexcept>

QString DecodeCp866(const QByteArray& bytes) {
  iconv_t converter = iconv_open("UTF-8", "CP866");
  if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("Кодировка CP866 недоступна.");
  // No CP866 character takes more than three bytes in UTF-8.
  QByteArray out(bytes.size() * 3, Qt::Uninitialized);
  char* in = const_cast<char*>(bytes.constData());
  std::size_t inLeft = bytes.size();
  char* outPos = out.data();
  std::size_t outLeft = out.size();
  const std::size_t converted = iconv(converter, &in, &inLeft, &outPos, &outLeft);
  iconv_close(converter);
  if (converted == static_cast<std::size_t>(-1)) throw std::runtime_error("Имя в кодировке CP866 не читается.");
  out.truncate(out.size() - static_cast<qsizetype>(outLeft));
  return QString::fromUtf8(out);
}
