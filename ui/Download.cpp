// Level packs from the download server.
#include "ui/Download.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QWidget>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "engine/level/LevelPacks.h"
#include "platform/Events.h"
#include "platform/HttpClient.h"
#include "platform/IniFile.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/ZipArchive.h"

const char* const DefaultBaseUrl = "http://127.0.0.1:8000";

namespace {
constexpr int kPackCount = 100;
constexpr qint64 kReadPiece = 1024;
// Far above any real pack; a server sending more, or taking too long, is not sending a pack.
constexpr std::int64_t kMaxPackDownload = std::int64_t{256} << 20;
constexpr std::chrono::minutes kPackTimeLimit{10};
constexpr long kSlowestBytesPerSecond = 1024;

bool IsAcceptedStatus(const QString& status) { return status == "200" || status == "302"; }

// "https://" counts as a scheme too: prefixing it with "http://" would only break the URL.
QString WithHttpScheme(const QString& url) {
  const QString lower = url.toLower();
  return lower.contains("http://") || lower.contains("https://") ? url : "http://" + url;
}

THttpClient DownloadClient(const QString& userAgent) {
  THttpClient client;
  client.UserAgent = userAgent;
  client.OnWait = ProcessPendingEvents;
  return client;
}

[[noreturn]] void ThrowFileError(const QString& what, const QString& fileName, const QString& reason) {
  throw std::runtime_error(QString("%1 «%2»: %3").arg(what, fileName, reason).toStdString());
}

void ReplaceFile(const QString& from, const QString& to) {
  std::error_code error;
  std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), error);
  if (error) {
    QFile::remove(from);
    ThrowFileError("Не удаётся записать файл", to, QString::fromStdString(error.message()));
  }
}

// Throws TZipError naming fileName when the file is not a pack archive the next start could install.
void CheckIsPack(const QString& partName, const QString& fileName) {
  try {
    CheckPackBounds(TZipReader(partName), partName);
  } catch (const TZipError& e) {
    throw TZipError(QString::fromStdString(e.what()).replace(partName, fileName));
  }
}

void ShowInformation(const QString& text) { ShowMessageBox(text, QString(), TMsgIcon::Information); }

void SetEnabled(QWidget* widget, bool on) {
  if (widget) widget->setEnabled(on);
}
}  // namespace

bool CheckUrl(const QString& url) {
  const auto request = THttpRequest::Open(DownloadClient("InetURL:/1.0"), WithHttpScheme(url), TCacheMode::Reload);
  return request && IsAcceptedStatus(request->StatusCode());
}

bool GetInetFile(const QString& fileURL, const QString& FileName, QString* refusal) {
  if (!CheckUrl(fileURL)) return false;
  THttpClient client = DownloadClient(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
  client.TotalTimeout = kPackTimeLimit;
  client.LowSpeedBytes = kSlowestBytesPerSecond;
  client.MaxBodySize = kMaxPackDownload;
  const auto request = THttpRequest::Open(client, WithHttpScheme(fileURL), TCacheMode::AllowCached);
  // The status is asked again: a pack that vanished between the two requests must not be saved as its error page.
  if (!request || !IsAcceptedStatus(request->StatusCode())) return false;

  // The pack takes its real name only when complete and a pack, so the next start never meets half an archive or
  // an error page.
  const QString partName = FileName + ".part";
  QFile part(partName);
  if (!part.open(QIODevice::WriteOnly | QIODevice::Truncate))
    ThrowFileError("Не удаётся создать файл", partName, part.errorString());
  const auto giveUp = [&](const QString& reason) {
    part.remove();
    ThrowFileError("Не удаётся записать файл", partName, reason);
  };
  const auto refuse = [&](const QString& reason) {
    part.remove();
    if (refusal) *refusal = reason;
    return false;
  };
  char buffer[kReadPiece];
  for (;;) {
    const qint64 got = request->Read(buffer, kReadPiece);
    if (got < 0) return refuse(QString("Файл «%1» не получен: %2.").arg(FileName, request->FailureText()));
    if (got == 0) break;
    if (part.write(buffer, got) != got) giveUp(part.errorString());
  }
  if (!part.flush()) giveUp(part.errorString());
  part.close();
  try {
    CheckIsPack(partName, FileName);
  } catch (const TZipError& e) {
    return refuse(QString::fromStdString(e.what()) + " Он не сохранён.");
  }
  ReplaceFile(partName, FileName);
  return true;
}

QString DownloadBaseUrl() {
  const QString iniName = ResourceFolder() + "resources/server.ini";
  QString url = DefaultBaseUrl;
  if (QFileInfo::exists(iniName)) url = TIniFile(iniName).ReadString("Server", "BaseUrl", DefaultBaseUrl);
  while (url.endsWith('/')) url.chop(1);
  return url.isEmpty() ? QString(DefaultBaseUrl) : url;
}

QString PackUrl(const QString& baseUrl, int n) { return baseUrl + "/download/levels/" + QString::number(n) + ".zip"; }

QString PackFileName(int n) { return DataFolder() + QString::number(n) + ".zip"; }

int RunPackDownload(QWidget* button, QProgressBar* progress) {
  SetEnabled(button, false);
  ProcessPendingEvents();
  int found = -1;
  try {
    const QString baseUrl = DownloadBaseUrl();
    if (!CheckUrl(baseUrl)) {
      ShowInformation("Неустановлено соединение с Интернетом!");
    } else {
      found = 0;
      QStringList refusals;
      for (int n = 1; n <= kPackCount; ++n) {
        if (progress) progress->setValue(n);
        ProcessPendingEvents();
        QString refusal;
        if (GetInetFile(PackUrl(baseUrl, n), PackFileName(n), &refusal)) ++found;
        if (!refusal.isEmpty()) refusals << refusal;
      }
      if (!refusals.isEmpty())
        ShowMessageBox("С сервера пришли не наборы уровней:\n\n" + refusals.join("\n\n"), QString(), TMsgIcon::Warning);
    }
  } catch (const std::exception& error) {
    // An unreadable server.ini or a pack that cannot be saved ends the run; the button comes back for another try.
    SetEnabled(button, true);
    ReportError(QString::fromUtf8(error.what()));
    return found;
  }
  SetEnabled(button, true);
  ProcessPendingEvents();
  if (found == 0) ShowInformation("Доступных тем не найдено!");
  if (found > 0) ShowInformation("Получены новые темы пазлов! Для их установки перезапустите программу.");
  return found;
}
