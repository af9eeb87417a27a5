// A pack fetched by the download is installed at once and shows up in the chooser; a pack left in the data folder
// is installed by the next start.
#include <gtest/gtest.h>
#include <zip.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <map>
#include <string>

#include "engine/PicPuzzle.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "support/LoopbackServer.h"
#include "support/RecordingPlayer.h"
#include "support/TestFolder.h"
#include "support/TestProgram.h"
#include "ui/Download.h"
#include "ui/MainForm.h"
#include "ui/ThemeList.h"

namespace {
// A pack archive holding the given files.
QByteArray PackArchive(const std::map<std::string, std::string>& files, const QString& scratch) {
  int error = 0;
  zip_t* archive = zip_open(scratch.toUtf8().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) return {};
  for (const auto& [name, content] : files) {
    zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
    if (!source || zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE) < 0) zip_source_free(source);
  }
  if (zip_close(archive) != 0) return {};
  QFile file(scratch);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PackInstall, ADownloadedPackIsUnpackedAtTheNextStartAndOffersItsTheme) {
  TestFolder program, scratch;
  SetProgramFolder(program.Path());
  QStringList boxes;
  SetMessageBoxHook([&](const QString& text, const QString&, TMsgIcon, TMsgButtons) {
    boxes << text;
    return TMsgResult::Ok;
  });
  const QByteArray pack = PackArchive(
      {{"sea/sea1.ini", "[PuzzleSettings]\npack=Море\nlevel=1\nimage=sea1.jpg\n"}, {"sea/sea1.jpg", "picture"}},
      scratch.File("pack.zip"));
  ASSERT_FALSE(pack.isEmpty());
  LoopbackServer server;
  server.Routes().Get(
      "/", [](const httplib::Request&, httplib::Response& response) { response.set_content("packs", "text/plain"); });
  server.Routes().Get("/download/levels/1.zip", [&](const httplib::Request&, httplib::Response& response) {
    response.set_content(pack.toStdString(), "application/zip");
  });
  program.Write("resources/server.ini", "[Server]\nBaseUrl=" + server.BaseUrl().toUtf8() + "\n");

  ASSERT_EQ(RunPackDownload(nullptr, nullptr), 1);
  EXPECT_TRUE(QFile::exists(program.File("levels/data/sea1.ini"))) << "installed at once, before any restart";
  Puzzle.CheckPack();  // the next start finds nothing left to do

  EXPECT_EQ(QDir(program.Path()).entryList(QDir::Files), QStringList()) << "the pack left the program folder";
  QFile picture(program.File("levels/data/sea1.jpg"));
  ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
  EXPECT_EQ(picture.readAll(), "picture");
  const std::vector<TChooserLevel> themes = BuildThemeList(ReadChooserLevels());
  ASSERT_EQ(themes.size(), 1u);
  EXPECT_EQ(themes[0].id, "sea1");
  EXPECT_EQ(themes[0].pack, "Море");
  EXPECT_EQ(boxes, QStringList({"Получено тем пазлов: 1 («Море»). Они уже установлены: выберите их кнопкой "
                                "«Выбрать тему и картинку»."}));

  SetMessageBoxHook(nullptr);
  SetProgramFolder(QString());
}
TEST(PackInstall, APackLeftInTheDataFolderIsInstalledByTheNextStart) {
  TestProgram program;
  RecordingPlayers players;
  TestFolder scratch;
  program.folder.Write("4.zip", PackArchive({{"lake1.ini", "[PuzzleSettings]\npack=Озёра\nlevel=1\nimage=lake1.jpg\n"},
                                             {"lake1.jpg", "picture"}},
                                            scratch.File("pack.zip")));
  TMainForm form;
  EXPECT_FALSE(QFile::exists(program.folder.File("4.zip")));
  const std::vector<TChooserLevel> themes = BuildThemeList(ReadChooserLevels());
  ASSERT_EQ(themes.size(), 1u);
  EXPECT_EQ(themes[0].pack, "Озёра");
  form.close();
}

// Broken packs do not each stop the start with a box before the window: one box lists them over the window.
TEST(PackInstall, EveryPackProblemOfAStartComesInOneBoxOnceTheMainWindowShows) {
  TestProgram program;
  RecordingPlayers players;
  program.folder.Write("1.zip", "<html><body>Ошибка сервера</body></html>");
  program.folder.Write("2.zip", "");
  const auto packReports = [&] { return program.messages.filter(".zip"); };
  TMainForm form;
  EXPECT_TRUE(packReports().isEmpty()) << "nothing about packs before the window shows";
  form.show();
  QCoreApplication::processEvents();
  ASSERT_EQ(packReports().size(), 1) << program.messages.join("\n").toStdString();
  EXPECT_TRUE(packReports()[0].contains("1.zip") && packReports()[0].contains("2.zip"))
      << packReports()[0].toStdString();
  form.hide();
  form.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(packReports().size(), 1) << "shown at the first showing only";
  form.close();
}
}  // namespace
