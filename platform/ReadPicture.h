// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a picture of a known kind, asking no image plug-in: Qt would
// otherwise load every plug-in it has to ask whether it knows the kind
// better, which costs start-up time and memory for nothing.
#include <QIODevice>
#include <QImage>
#include <QImageReader>
#include <QString>

namespace tarnwick {

inline QImage ReadPicture(QImageReader& reader) {
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

inline QImage ReadPicture(const QString& path, const char* kind) {
    QImageReader reader(path, kind);
    return ReadPicture(reader);
}

inline QImage ReadPicture(QIODevice* device, const char* kind) {
    QImageReader reader(device, kind);
    return ReadPicture(reader);
}

// The picture's size from its header alone, the pixels left unread; empty
// when the file is not a picture of that kind.
inline QSize PictureSize(const QString& path, const char* kind) {
    QImageReader reader(path, kind);
    reader.setAutoDetectImageFormat(false);
    return reader.canRead() ? reader.size() : QSize();
}

}  // namespace tarnwick
