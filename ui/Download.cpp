// Level packs from the download server.
#include "ui/Download.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QWidget>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "engine/level/LevelFolder.h"
#include "engine/level/LevelPacks.h"
#include "engine/level/LevelSettings.h"
#include "platform/Events.h"
#include "platform/HttpClient.h"
#include "platform/IniFile.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/ZipArchive.h"
#include "ui/PackList.h"

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

// The level files a pack archive brings, by their bare names.
QStringList IniNamesIn(const QString& archiveName) {
  QStringList names;
  const TZipReader archive(archiveName);
  for (int i = 0; i < archive.Count(); ++i) {
    const QString bare = BareEntryName(archive.Name(i));
    if (bare.endsWith(".ini", Qt::CaseInsensitive)) names << bare;
  }
  return names;
}

// The themes of the installed level files named, in the order first met; a file that does not read names none.
QStringList ThemesOf(const QStringList& iniNames) {
  QStringList themes;
  for (const QString& name : iniNames) {
    try {
      const QString pack = ReadLevelPack(OpenLevelIni(LevelDataFolder() + name));
      if (!pack.isEmpty() && !themes.contains(pack)) themes << pack;
    } catch (const std::exception&) {
    }
  }
  return themes;
}

// Installs the packs that came, as the next start would, and names the themes they brought.
QStringList InstallArrived(const QStringList& packFiles) {
  QStringList iniNames, names;
  for (const QString& file : packFiles) {
    iniNames << IniNamesIn(file);
    names << QFileInfo(file).fileName();
  }
  InstallPacks(names);
  ShowPackReport();
  return ThemesOf(iniNames);
}

// The window answers the stop button while a large pack comes, without running events for every piece read.
class TEventPacer {
 public:
  TEventPacer() { clock_.start(); }
  void Tick() {
    if (clock_.elapsed() < 50) return;
    clock_.restart();
    ProcessPendingEvents();
  }

 private:
  QElapsedTimer clock_;
};
}  // namespace

bool CheckUrl(const QString& url) {
  const auto request = THttpRequest::Open(DownloadClient("InetURL:/1.0"), WithHttpScheme(url), TCacheMode::Reload);
  return request && IsAcceptedStatus(request->StatusCode());
}

bool GetInetFile(const QString& fileURL, const QString& FileName, QString* refusal, const TPackProgress& progress) {
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
  const qint64 total = request->BodySize();
  const auto goOn = [&](qint64 received) {
    if (!progress || progress(received, total)) return true;
    part.remove();
    return false;
  };
  if (!goOn(0)) return false;
  char buffer[kReadPiece];
  qint64 received = 0;
  for (;;) {
    const qint64 got = request->Read(buffer, kReadPiece);
    if (got < 0) return refuse(QString("Файл «%1» не получен: %2.").arg(FileName, request->FailureText()));
    if (got == 0) break;
    if (part.write(buffer, got) != got) giveUp(part.errorString());
    if (!goOn(received += got)) return false;
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

QString ArrivalMessage(int found, const QStringList& themes, bool stopped) {
  const QString start = stopped ? "Загрузка остановлена. " : "";
  if (found <= 0) return stopped ? start + "Новых тем не получено." : "Доступных тем не найдено!";
  if (themes.isEmpty()) return start + QString("Получено наборов уровней: %1, но тем пазлов в них нет.").arg(found);
  return start + QString(
                     "Получено тем пазлов: %1 («%2»). Они уже установлены: выберите их кнопкой «Выбрать тему и "
                     "картинку».")
                     .arg(themes.size())
                     .arg(themes.join("», «"));
}

int RunPackDownload(QWidget* button, QProgressBar* progress, TPackList* packs) {
  SetEnabled(button, false);
  if (packs) packs->Begin();
  ProcessPendingEvents();
  int found = -1;
  bool stopped = false;
  QStringList arrived;
  const auto stopAsked = [&] { return packs && packs->StopAsked(); };
  try {
    const QString baseUrl = DownloadBaseUrl();
    if (!CheckUrl(baseUrl)) {
      ShowInformation("Неустановлено соединение с Интернетом!");
    } else {
      found = 0;
      QStringList refusals;
      for (int n = 1; n <= kPackCount && !(stopped = stopAsked()); ++n) {
        if (progress) progress->setValue(n);
        ProcessPendingEvents();
        QString refusal;
        TEventPacer pacer;
        const auto watch = [&](qint64 received, qint64 total) {
          if (packs) packs->SetProgress(n, received, total);
          pacer.Tick();
          return !stopAsked();
        };
        const bool written = GetInetFile(PackUrl(baseUrl, n), PackFileName(n), &refusal, watch);
        if (written) {
          ++found;
          arrived << PackFileName(n);
        }
        if (packs && packs->Bar(n))
          packs->SetOutcome(n, written ? "получен" : !refusal.isEmpty() ? "не получен" : "остановлен", written);
        if (!refusal.isEmpty()) refusals << refusal;
      }
      if (!refusals.isEmpty())
        ShowMessageBox("С сервера пришли не наборы уровней:\n\n" + refusals.join("\n\n"), QString(), TMsgIcon::Warning);
    }
  } catch (const std::exception& error) {
    // An unreadable server.ini or a pack that cannot be saved ends the run; the button comes back for another try,
    // and the packs saved before it wait for the next start.
    if (packs) packs->End();
    SetEnabled(button, true);
    ReportError(QString::fromUtf8(error.what()));
    return found;
  }
  if (packs) packs->End();
  SetEnabled(button, true);
  ProcessPendingEvents();
  const QStringList themes = arrived.isEmpty() ? QStringList() : InstallArrived(arrived);
  if (found >= 0) ShowInformation(ArrivalMessage(found, themes, stopped));
  return found;
}
