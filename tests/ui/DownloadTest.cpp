// The pack download against a real HTTP server on loopback: packs written and installed, messages shown, requests
// made, a row per pack and the stop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelPacks.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/ZipArchive.h"
#include "support/LoopbackServer.h"
#include "support/TestFolder.h"
#include "ui/Download.h"
#include "ui/PackList.h"

namespace {
const QString kNoConnection = "Неустановлено соединение с Интернетом!";
const QString kNoThemes = "Доступных тем не найдено!";
// What a run that installed packs says: how many themes came, and which.
QString Arrived(const QStringList& themes) {
  return QString("Получено тем пазлов: %1 («%2»). Они уже установлены: выберите их кнопкой «Выбрать тему и картинку».")
      .arg(themes.size())
      .arg(themes.join("», «"));
}

struct Box {
  QString text, caption;
  TMsgIcon icon;
};

enum class Serve { Whole, BrokenMidBody, Redirected, GoneAfterCheck, FoundWithoutLocation };

struct Pack {
  std::string body;
  Serve serve = Serve::Whole;
};

std::string ZipBytes(const std::vector<std::pair<QString, QByteArray>>& entries) {
  TestFolder scratch;
  TZipWriter zip(scratch.File("pack.zip"));
  for (const auto& [name, bytes] : entries) zip.Add(name, bytes);
  zip.Write();
  QFile file(scratch.File("pack.zip"));
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// The one level file of pack n, "packN.ini" of the theme "Набор N", with a comment of size random letters that
// compress little.
QByteArray PackEntry(int n, std::size_t size = 3000) {
  static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  QByteArray content(static_cast<qsizetype>(size), '\0');
  quint32 x = static_cast<quint32>(n);
  for (char& c : content) {
    x = x * 1103515245u + 12345u;
    c = letters[(x >> 24) % 62];
  }
  return QString("[PuzzleSettings]\npack=Набор %1\nlevel=1\n;").arg(n).toUtf8() + content + "\n";
}

// Pack n: a ZIP archive of PackEntry(n, size), so about size bytes go over the wire.
// Made once each: an archive stamps its entries with the time of making, so a second one may differ.
std::string PackBody(int n, std::size_t size = 3000) {
  static std::map<std::pair<int, std::size_t>, std::string> made;
  auto [pack, fresh] = made.try_emplace({n, size});
  if (!fresh) return pack->second;
  return pack->second = ZipBytes({{QString("pack%1.ini").arg(n), PackEntry(n, size)}});
}

// A download server: "/" answers, "/download/levels/<n>.zip" serves the packs it has, and every request is logged.
class PackServer {
 public:
  explicit PackServer(std::map<int, Pack> packs, int rootStatus = 200) : packs_(std::move(packs)) {
    auto& routes = server_.Routes();
    routes.Get("/", [rootStatus](const httplib::Request&, httplib::Response& response) {
      response.status = rootStatus;
      response.set_content("download server", "text/plain");
    });
    routes.Get(R"(/download/levels/(\d+)\.zip)", [this](const httplib::Request& request, httplib::Response& response) {
      const int n = std::stoi(request.matches[1]);
      const int asked = Log(n, request);
      const auto found = packs_.find(n);
      if (found == packs_.end() || (found->second.serve == Serve::GoneAfterCheck && asked > 1)) {
        response.status = 404;
        response.set_content("not found", "text/plain");
      } else if (found->second.serve == Serve::FoundWithoutLocation) {
        response.status = 302;
        response.set_content(found->second.body, "text/html");
      } else if (found->second.serve == Serve::Redirected) {
        response.set_redirect("/files/" + std::to_string(n), 302);
      } else if (found->second.serve == Serve::BrokenMidBody) {
        const std::string body = found->second.body;
        response.set_content_provider(body.size(), "application/zip",
                                      [body](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                                        if (offset >= body.size() / 2) return false;
                                        sink.write(body.data() + offset, std::min(length, body.size() / 2 - offset));
                                        return true;
                                      });
      } else {
        response.set_content(found->second.body, "application/zip");
      }
    });
    routes.Get(R"(/files/(\d+))", [this](const httplib::Request& request, httplib::Response& response) {
      response.set_content(packs_.at(std::stoi(request.matches[1])).body, "application/zip");
    });
  }

  QString BaseUrl() const { return server_.BaseUrl(); }
  int Port() const { return server_.Port(); }

  struct Request {
    int pack;
    std::string agent, cacheControl;
  };
  std::vector<Request> Requests() {
    std::lock_guard lock(mutex_);
    return requests_;
  }
  std::set<int> PacksAskedFor() {
    std::set<int> asked;
    for (const Request& r : Requests()) asked.insert(r.pack);
    return asked;
  }

 private:
  // Returns how often the pack has been asked for, this request included.
  int Log(int n, const httplib::Request& request) {
    std::lock_guard lock(mutex_);
    requests_.push_back({n, request.get_header_value("User-Agent"), request.get_header_value("Cache-Control")});
    return static_cast<int>(
        std::count_if(requests_.begin(), requests_.end(), [n](const Request& r) { return r.pack == n; }));
  }

  LoopbackServer server_;
  std::map<int, Pack> packs_;
  std::mutex mutex_;
  std::vector<Request> requests_;
};

class Download : public ::testing::Test {
 protected:
  void SetUp() override {
    SetProgramFolder(folder_.Path());
    SetMessageBoxHook([this](const QString& text, const QString& caption, TMsgIcon icon, TMsgButtons) {
      boxes_.push_back({text, caption, icon});
      return TMsgResult::Ok;
    });
  }
  void TearDown() override {
    SetMessageBoxHook(nullptr);
    SetProgramFolder(QString());
  }

  void UseServer(const QString& baseUrl) {
    folder_.Write("resources/server.ini", "[Server]\nBaseUrl=" + baseUrl.toUtf8());
  }

  int Run() { return RunPackDownload(&button_, &progress_, &packs_); }

  // Files in the program folder itself, resources aside: what the run left for the next start.
  QStringList Files() const { return QDir(folder_.Path()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name); }
  std::string Content(const QString& name) const {
    QFile file(folder_.File(name));
    if (!file.open(QIODevice::ReadOnly)) return "(missing)";
    return file.readAll().toStdString();
  }
  // The level files installed.
  QStringList Installed() const {
    return QDir(folder_.File("levels/data")).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
  }
  QByteArray InstalledContent(const QString& name) const {
    QFile file(folder_.File("levels/data/" + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
  }
  QStringList Texts() const {
    QStringList texts;
    for (const Box& box : boxes_) texts << box.text;
    return texts;
  }

  TestFolder folder_;
  std::vector<Box> boxes_;
  QPushButton button_;
  QProgressBar progress_;
  TPackList packs_;
};

TEST_F(Download, WritesExactlyThePacksTheServerHasAndAsksToRestart) {
  PackServer server({{1, {PackBody(1)}}, {2, {PackBody(2, 70000)}}, {3, {PackBody(3)}}});
  UseServer(server.BaseUrl());
  progress_.setValue(0);

  EXPECT_EQ(Run(), 3);

  EXPECT_TRUE(Files().isEmpty()) << "installed at once: " << Files().join(", ").toStdString();
  EXPECT_EQ(Installed(), QStringList({"pack1.ini", "pack2.ini", "pack3.ini"}));
  EXPECT_EQ(InstalledContent("pack1.ini"), PackEntry(1));
  EXPECT_EQ(InstalledContent("pack2.ini"), PackEntry(2, 70000));
  EXPECT_EQ(InstalledContent("pack3.ini"), PackEntry(3));
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text,
            "Получено тем пазлов: 3 («Набор 1», «Набор 2», «Набор 3»). Они уже установлены: "
            "выберите их кнопкой «Выбрать тему и картинку».");
  EXPECT_EQ(boxes_[0].caption, "");
  EXPECT_EQ(boxes_[0].icon, TMsgIcon::Information);
  EXPECT_EQ(progress_.value(), 100);
  EXPECT_TRUE(button_.isEnabled());

  std::set<int> all;
  for (int n = 1; n <= 100; ++n) all.insert(n);
  EXPECT_EQ(server.PacksAskedFor(), all) << "packs 4 to 100 are still asked for";
  // A pack the server has costs a fresh status check by "InetURL:/1.0" and a download by the program itself.
  std::vector<PackServer::Request> forPack2;
  for (const auto& r : server.Requests())
    if (r.pack == 2) forPack2.push_back(r);
  ASSERT_EQ(forPack2.size(), 2u);
  EXPECT_EQ(forPack2[0].agent, "InetURL:/1.0");
  EXPECT_EQ(forPack2[0].cacheControl, "no-cache");
  EXPECT_EQ(forPack2[1].agent, QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString());
  EXPECT_EQ(forPack2[1].cacheControl, "");
}

TEST_F(Download, AServerWithoutPacksFindsNoThemes) {
  PackServer server({});
  UseServer(server.BaseUrl());
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(Files().isEmpty()) << Files().join(", ").toStdString();
  EXPECT_EQ(Texts(), QStringList({kNoThemes}));
  EXPECT_EQ(server.Requests().size(), 100u) << "one status check per pack, no download";
  EXPECT_EQ(progress_.value(), 100);
}

TEST_F(Download, NoAnswerFromTheServerShowsOnlyTheConnectionMessage) {
  PackServer refusing({}, 500);
  const struct {
    const char* name;
    QString baseUrl;
  } cases[] = {
      {"closed port", QString("http://127.0.0.1:%1").arg(ClosedLoopbackPort())},
      {"base URL answers 500", refusing.BaseUrl()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    boxes_.clear();
    progress_.setValue(0);
    UseServer(c.baseUrl);
    EXPECT_EQ(Run(), -1);
    EXPECT_EQ(Texts(), QStringList({kNoConnection}));
    ASSERT_FALSE(boxes_.empty());
    EXPECT_EQ(boxes_[0].icon, TMsgIcon::Information);
    EXPECT_EQ(boxes_[0].caption, "");
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(progress_.value(), 0);
    EXPECT_TRUE(button_.isEnabled());
  }
  EXPECT_TRUE(refusing.Requests().empty()) << "no pack is asked for after a failed check";
}

TEST_F(Download, TheBaseUrlMayComeWithoutOrWithAnyCaseOfTheScheme) {
  PackServer server({{7, {PackBody(7)}}});
  const QString hostAndPort = QString("127.0.0.1:%1").arg(server.Port());
  for (const QString& baseUrl : {hostAndPort, "HTTP://" + hostAndPort, "Http://" + hostAndPort + "/"}) {
    SCOPED_TRACE(baseUrl.toStdString());
    boxes_.clear();
    QFile::remove(folder_.File("levels/data/pack7.ini"));
    UseServer(baseUrl);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(Installed(), QStringList({"pack7.ini"}));
    EXPECT_EQ(Texts(), QStringList({Arrived({"Набор 7"})}));
  }
}

TEST_F(Download, PacksBehindARedirectAreSavedAndCounted) {
  PackServer server({{1, {PackBody(1), Serve::Redirected}}});
  UseServer(server.BaseUrl());
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(InstalledContent("pack1.ini"), PackEntry(1)) << "the redirect's target, not the redirect page";
  EXPECT_EQ(Texts(), QStringList({Arrived({"Набор 1"})}));
}

// Only what the next start could install is kept; every body refused is named in one box before the summary.
TEST_F(Download, BodiesThatAreNoPackAreNotSavedAndAreReportedTogether) {
  std::vector<std::pair<QString, QByteArray>> many;
  for (int i = 0; i <= kMaxPackEntries; ++i) many.push_back({QString("e%1.ini").arg(i), "e"});
  PackServer server({{1, {"<html><body>Сервер занят</body></html>"}},
                     {2, {""}},
                     {3, {"<html>Moved</html>", Serve::FoundWithoutLocation}},
                     {4, {PackBody(4).substr(0, 1000)}},
                     {5, {ZipBytes(many)}},
                     {6, {PackBody(6)}}});
  UseServer(server.BaseUrl());
  EXPECT_EQ(Run(), 1);
  EXPECT_TRUE(Files().isEmpty()) << Files().join(", ").toStdString();
  EXPECT_EQ(Installed(), QStringList({"pack6.ini"}));
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[0].icon, TMsgIcon::Warning);
  for (const char* refused : {"1.zip»", "2.zip»", "3.zip»", "4.zip»", "5.zip»"})
    EXPECT_TRUE(boxes_[0].text.contains(refused)) << refused << "\n" << boxes_[0].text.toStdString();
  EXPECT_FALSE(boxes_[0].text.contains(".part")) << boxes_[0].text.toStdString();
  EXPECT_FALSE(boxes_[0].text.contains("6.zip")) << boxes_[0].text.toStdString();
  EXPECT_EQ(boxes_[1].text, Arrived({"Набор 6"}));
}

TEST_F(Download, APackThatBreaksOffLeavesNoFileAndIsNotCounted) {
  folder_.Write("2.zip", "an earlier pack");
  PackServer server({{1, {PackBody(1)}}, {2, {PackBody(2, 50000), Serve::BrokenMidBody}}, {3, {PackBody(3)}}});
  UseServer(server.BaseUrl());
  EXPECT_EQ(Run(), 2);
  EXPECT_EQ(Files(), QStringList({"2.zip"})) << "no partial file is left, and only what came is installed";
  EXPECT_EQ(Content("2.zip"), "an earlier pack") << "the broken transfer does not touch the earlier file";
  EXPECT_EQ(Installed(), QStringList({"pack1.ini", "pack3.ini"}));
  ASSERT_EQ(Texts().size(), 2);
  EXPECT_TRUE(Texts()[0].contains("«" + folder_.File("2.zip") + "» не получен")) << Texts()[0].toStdString();
  EXPECT_EQ(Texts()[1], Arrived({"Набор 1", "Набор 3"}));
  EXPECT_EQ(packs_.Outcome(2), "не получен");

  boxes_.clear();
  PackServer brokenOnly({{5, {PackBody(5, 50000), Serve::BrokenMidBody}}});
  UseServer(brokenOnly.BaseUrl());
  QFile::remove(folder_.File("1.zip"));
  QFile::remove(folder_.File("3.zip"));
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(Files(), QStringList({"2.zip"}));
  ASSERT_EQ(Texts().size(), 2);
  EXPECT_EQ(Texts()[1], kNoThemes);
}

TEST_F(Download, APackGoneBetweenItsCheckAndItsDownloadIsNotSavedAsAnErrorPage) {
  PackServer server({{1, {PackBody(1), Serve::GoneAfterCheck}}});
  UseServer(server.BaseUrl());
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(Files().isEmpty()) << Files().join(", ").toStdString();
  EXPECT_EQ(Texts(), QStringList({kNoThemes}));
}

TEST_F(Download, PacksLyingThereAlreadyAreReplacedAndCounted) {
  folder_.Write("1.zip", "old");
  PackServer server({{1, {PackBody(1)}}});
  UseServer(server.BaseUrl());
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(InstalledContent("pack1.ini"), PackEntry(1));
  EXPECT_EQ(Texts(), QStringList({Arrived({"Набор 1"})}));
}

TEST_F(Download, APackThatCannotBeSavedEndsTheRunWithTheFileError) {
  QDir(folder_.Path()).mkdir("2.zip");  // a folder where the pack should go
  PackServer server({{1, {PackBody(1)}}, {2, {PackBody(2)}}, {3, {PackBody(3)}}});
  UseServer(server.BaseUrl());
  Run();
  ASSERT_EQ(boxes_.size(), 1u) << "the error, and no summary after it";
  EXPECT_EQ(boxes_[0].icon, TMsgIcon::Error);
  EXPECT_TRUE(boxes_[0].text.contains("2.zip")) << boxes_[0].text.toStdString();
  EXPECT_EQ(Files(), QStringList({"1.zip"}));
  EXPECT_EQ(server.PacksAskedFor(), (std::set<int>{1, 2}));
  EXPECT_TRUE(button_.isEnabled());
}

TEST_F(Download, TheWindowKeepsAnsweringDuringARun) {
  PackServer server({{1, {PackBody(1)}}});
  UseServer(server.BaseUrl());
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(0);
  bool disabledDuringRun = false;
  QTimer::singleShot(0, [&] { disabledDuringRun = !button_.isEnabled(); });
  Run();
  EXPECT_GE(ticks, 100) << "events run at least once per pack";
  EXPECT_TRUE(disabledDuringRun);
}

TEST_F(Download, EachPackTheServerHasGetsARowWithItsOwnBar) {
  PackServer server({{2, {PackBody(2, 70000)}}, {5, {PackBody(5)}}, {9, {"<html>no pack</html>"}}});
  UseServer(server.BaseUrl());
  QStringList seenDuringRun;
  int largestPartOfPack2 = 0;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (const QProgressBar* bar = packs_.Bar(2)) largestPartOfPack2 = std::max(largestPartOfPack2, bar->value());
  });
  watch.start(0);
  EXPECT_EQ(Run(), 2);
  EXPECT_FALSE(packs_.isHidden());
  EXPECT_EQ(packs_.RowCount(), 3) << "packs the server does not have get no row";
  for (int n : {2, 5}) {
    ASSERT_NE(packs_.Bar(n), nullptr) << n;
    EXPECT_EQ(packs_.Bar(n)->value(), packs_.Bar(n)->maximum()) << n;
    EXPECT_EQ(packs_.Outcome(n), "получен") << n;
  }
  EXPECT_EQ(packs_.Outcome(9), "не получен");
  EXPECT_GT(largestPartOfPack2, 0) << "the bar moved while the pack came";
  EXPECT_FALSE(packs_.StopButton->isEnabled()) << "nothing to stop once the run is over";
  EXPECT_EQ(Texts().last(), Arrived({"Набор 2", "Набор 5"}));
}

// A pack that comes slowly: a kilobyte every 20 ms, over seconds.
TEST_F(Download, StopEndsTheRunInstallsWhatCameAndLeavesNoPartOfTheRest) {
  LoopbackServer slow;
  slow.Routes().Get("/", [](const httplib::Request&, httplib::Response& r) { r.set_content("packs", "text/plain"); });
  std::atomic<int> askedAfterStop{0};
  std::atomic<bool> stopped{false};
  slow.Routes().Get(R"(/download/levels/(\d+)\.zip)", [&](const httplib::Request& request, httplib::Response& r) {
    const int n = std::stoi(request.matches[1]);
    if (stopped && n > 2) ++askedAfterStop;
    if (n == 1) return r.set_content(PackBody(1), "application/zip");
    if (n != 2) return void(r.status = 404);
    const std::string body = PackBody(2, 300000);
    r.set_content_provider(body.size(), "application/zip",
                           [body, &slow](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                             if (slow.Stopping()) return false;
                             std::this_thread::sleep_for(std::chrono::milliseconds(20));
                             sink.write(body.data() + offset, std::min<std::size_t>(1024, body.size() - offset));
                             return true;
                           });
  });
  UseServer(slow.BaseUrl());
  QTimer press;
  QObject::connect(&press, &QTimer::timeout, [&] {
    if (packs_.Bar(2) && packs_.Bar(2)->value() > 0 && packs_.StopButton->isEnabled()) {
      stopped = true;
      QTest::mouseClick(packs_.StopButton, Qt::LeftButton);
    }
  });
  press.start(5);

  EXPECT_EQ(Run(), 1);

  EXPECT_TRUE(stopped);
  EXPECT_EQ(packs_.Outcome(2), "остановлен");
  EXPECT_LT(packs_.Bar(2)->value(), packs_.Bar(2)->maximum());
  EXPECT_TRUE(Files().isEmpty()) << "no part of pack 2: " << Files().join(", ").toStdString();
  EXPECT_EQ(Installed(), QStringList({"pack1.ini"}));
  EXPECT_EQ(askedAfterStop, 0) << "no pack is asked for after the stop";
  EXPECT_EQ(Texts(), QStringList({"Загрузка остановлена. " + Arrived({"Набор 1"})}));
  EXPECT_TRUE(button_.isEnabled());
}

TEST(DownloadSettings, TheBaseUrlComesFromServerIniOrTheDefault) {
  const struct {
    const char* name;
    const char* ini;  // nullptr: no file
    QString expected;
  } cases[] = {
      {"no file", nullptr, DefaultBaseUrl},
      {"no key", "[Server]\nOther=1\n", DefaultBaseUrl},
      {"other section", "[Client]\nBaseUrl=http://elsewhere\n", DefaultBaseUrl},
      {"set", "; packs\n[Server]\nBaseUrl = http://packs.example:8080\n", "http://packs.example:8080"},
      {"trailing slashes dropped", "[server]\nbaseurl=http://packs.example//\n", "http://packs.example"},
      {"empty value", "[Server]\nBaseUrl=\n", DefaultBaseUrl},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestFolder folder;
    if (c.ini) folder.Write("resources/server.ini", c.ini);
    SetProgramFolder(folder.Path());
    EXPECT_EQ(DownloadBaseUrl(), c.expected);
  }
  SetProgramFolder(QString());
}

TEST(DownloadSettings, PackUrlsAndFilesAreNumberedWithoutLeadingZeros) {
  EXPECT_EQ(PackUrl("http://host", 1), "http://host/download/levels/1.zip");
  EXPECT_EQ(PackUrl("http://host", 100), "http://host/download/levels/100.zip");
  TestFolder folder;
  SetProgramFolder(folder.Path());
  EXPECT_EQ(PackFileName(7), folder.Path() + "7.zip");
  SetProgramFolder(QString());
}
}  // namespace
