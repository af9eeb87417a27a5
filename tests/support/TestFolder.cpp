// A throw-away folder for one test.
#include "TestFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

TestFolder::TestFolder() {
  if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary folder");
}

QString TestFolder::Path() const { return dir_.path() + "/"; }

QString TestFolder::File(const QString& name) const { return Path() + name; }

void TestFolder::Write(const QString& name, const QByteArray& bytes) const {
  const QString path = File(name);
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write " + path.toStdString());
}

void TestFolder::CopyFolder(const QString& from, const QString& name) const {
  QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString file = files.next();
    const QString target = QDir(File(name)).filePath(QDir(from).relativeFilePath(file));
    QDir().mkpath(QFileInfo(target).path());
    if (!QFile::copy(file, target)) throw std::runtime_error("cannot copy " + file.toStdString());
  }
}
