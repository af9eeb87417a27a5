// HEIC and HEIF photos, as phones take them, through libheif.
#pragma once

#include <QByteArray>
#include <QImage>

// True when the bytes start like a HEIF file (HEIC, or another image kind inside the HEIF box structure).
bool LooksLikeHeif(const QByteArray& head);

// Decodes the file's primary image into an ARGB32 image, turned and mirrored as its boxes say. The size its header
// claims is checked before decoding. Throws TPictureRefusal with the Russian reason.
QImage DecodeHeif(const QByteArray& bytes);
