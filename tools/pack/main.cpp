// puzzle-pack: tools for level pack authors, one command per file, chosen by the first argument.
#include <QCoreApplication>
#include <cstdio>

#include "tools/pack/Commands.h"

namespace {
struct Command {
  const char* name;
  int (*run)(const QStringList& args);
  const char* usage;
};

const Command kCommands[] = {
    {"make", MakeCommand,
     "make FOLDER PACK.zip    pictures and FOLDER/pack.ini to a level pack (centre square, never stretched)"},
    {"check", CheckCommand, "check PACK.zip|FOLDER   names every problem of a pack or a data folder"},
    {"show", ShowCommand, "show FILE.level         prints a level data file as JSON"},
    {"cut", CutCommand, "cut LEVEL.ini --out DIR cuts the picture as the game does: piece PNGs and pieces.json"},
    {"savegame", SaveGameCommand,
     "savegame FILE           prints a saved game, the level game's or a free puzzle's, as JSON"},
};

int Usage(std::FILE* to, int code) {
  std::fprintf(to, "usage: puzzle-pack COMMAND ARGUMENTS\n");
  for (const Command& command : kCommands) std::fprintf(to, "  puzzle-pack %s\n", command.usage);
  return code;
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.isEmpty()) return Usage(stderr, 2);
  if (args[0] == "--help" || args[0] == "-h") return Usage(stdout, 0);
  for (const Command& command : kCommands)
    if (args[0] == command.name) {
      try {
        return command.run(args.mid(1));
      } catch (const std::exception& e) {
        std::fprintf(stderr, "puzzle-pack %s: %s\n", command.name, e.what());
        return 1;
      }
    }
  return Usage(stderr, 2);
}
