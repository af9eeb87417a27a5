// A throw-away folder for one test, removed with everything in it when the test ends.
#pragma once

#include <QString>
#include <QTemporaryDir>

class TestFolder {
 public:
  TestFolder();
  // The folder's path with a trailing "/", like the program folder.
  QString Path() const;
  // Full path of a file inside the folder.
  QString File(const QString& name) const;
  // Writes bytes to a file inside the folder, creating subfolders as needed.
  void Write(const QString& name, const QByteArray& bytes) const;
  // Copies every file below the folder `from` into the subfolder `name` of this one, keeping their subfolders.
  void CopyFolder(const QString& from, const QString& name = QString()) const;

 private:
  QTemporaryDir dir_;
};
