// Makes one level's three files from a picture: the pack tool's `make` and the player's own photos share it.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <random>

#include "engine/Conventions.h"

struct TLevelPlan {
  QString base;  // the level's file name without extension
  QString info;
  int level = 0, cols = 0, rows = 0;
  int tray = 0;   // Speed_Movie in ms, 0 for no tray
  int time = 0;   // LimTime in seconds
  int angle = 0;  // largest starting turn of a piece in degrees
  int dr = 0;     // locking distance in picture pixels; 0: a twelfth of a cell, never below 8
  int da = 10;    // locking angle in degrees
};

// The clock a grid gets unless told otherwise: two minutes and 25 seconds a piece, whole half minutes.
int DefaultLevelTime(int cols, int rows);
// The starting turn a grid gets unless told otherwise: none up to 2 × 2, then 30 degrees.
int DefaultLevelAngle(int cols, int rows);

// The picture as a level shows it: the central square of the source (nothing stretched), transparency laid over
// white, resampled to 800 × 800.
QImage LevelPicture(const QImage& source);
// Reads a photo for a level, upright, decoded no larger than needed to keep both sides at least atLeast's (the
// level's 800 × 800 unless the caller needs more); one below 200 points a side is refused. Throws TPictureRefusal
// naming the file and the reason.
QImage ReadSourcePicture(const QString& path, QSize atLeast = QSize(kPictureSize, kPictureSize));

// The three files of a level: the INI file (UTF-8 with a byte-order mark), the level data with classic jigsaw
// outlines drawn from `random`, and the picture as JPEG quality 85.
QByteArray LevelIniBytes(const QString& pack, const TLevelPlan& plan);
QByteArray LevelDataBytesFor(const TLevelPlan& plan, std::mt19937& random);
QByteArray LevelPictureBytes(const QImage& source);
