// The commands of puzzle-pack; each takes the arguments after its name and returns the exit code.
#pragma once

#include <QStringList>

int MakeCommand(const QStringList& args);
int CheckCommand(const QStringList& args);
int ShowCommand(const QStringList& args);
int CutCommand(const QStringList& args);
int SaveGameCommand(const QStringList& args);
