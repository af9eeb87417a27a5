// Why a picture cannot be used: its kind, for callers that tell them apart, and a Russian reason for the player.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <stdexcept>

#include "platform/PictureSize.h"

enum class TPictureFault { NotOpened, Unsupported, Damaged, Incomplete, TooLarge, TooSmall };

class TPictureRefusal : public std::runtime_error {
 public:
  TPictureRefusal(TPictureFault fault, const QString& reason);
  TPictureFault Fault() const { return fault_; }
  const QString& Reason() const { return reason_; }

 private:
  TPictureFault fault_;
  QString reason_;
};

// The refusals each reader gives, as phrases that follow "нельзя показать: ".
TPictureRefusal UnsupportedPicture();
TPictureRefusal DamagedPicture(const QString& detail);
TPictureRefusal IncompletePicture();
TPictureRefusal TooLargePicture(qint64 width, qint64 height, TPictureBounds bounds);
TPictureRefusal TooSmallPicture(QSize size, QSize smallest);

// Reads the file and decodes its bytes; any refusal comes back as a sentence naming the file, kind kept.
QImage DecodePictureFile(const QString& fileName, const std::function<QImage(const QByteArray&)>& decode);
