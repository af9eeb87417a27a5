// Screens of a given size for Qt's offscreen platform, so window tests can run on any desktop.
#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <QString>
#include <vector>

// Writes the offscreen platform's configuration of the screens (in device pixels) into folder and returns the
// QT_QPA_PLATFORM value that uses it.
inline QString OffscreenPlatform(const QString& folder, const std::vector<QRect>& screens) {
  QJsonArray list;
  int index = 0;
  for (const QRect& screen : screens) {
    list.append(QJsonObject{{"name", QString("Screen%1").arg(index++)},
                            {"x", screen.x()},
                            {"y", screen.y()},
                            {"width", screen.width()},
                            {"height", screen.height()},
                            {"logicalDpi", 96},
                            {"logicalBaseDpi", 96},
                            {"dpr", 1}});
  }
  const QString name = folder + QString("/screens-%1.json").arg(qHash(QJsonDocument(list).toJson()));
  QFile file(name);
  if (file.open(QIODevice::WriteOnly)) file.write(QJsonDocument(QJsonObject{{"screens", list}}).toJson());
  return "offscreen:configfile=" + name;
}
