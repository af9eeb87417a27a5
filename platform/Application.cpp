// The application's names and Qt's Russian translations.
#include "platform/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

const char* const kGameName = "KAVRIN Настольный Пазл";

void SetUpApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("kavrin-puzzle"));
  QGuiApplication::setApplicationDisplayName(QString::fromUtf8(kGameName));
  QGuiApplication::setDesktopFileName(QStringLiteral("ru.kavrin.puzzle"));
  // The game speaks only Russian, whatever the desktop's language; without the translations it keeps Qt's English.
  auto* translator = new QTranslator(qApp);
  if (translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
  else
    delete translator;
}
