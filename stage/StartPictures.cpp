// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/StartPictures.h"

#include <cstdio>

#include "platform/System.h"
#include "state/Texts.h"

namespace tarnwick {

namespace {

const BiText Missing{"Die Datei fehlt.", "The file is missing."};
const BiText Unreadable{"Die Datei kann nicht gelesen werden.", "The file cannot be read."};
const BiText NotAPicture{"Die Datei ist kein BMP-Bild.", "The file is not a BMP picture."};
const BiText TooSmall{"Das Bild ist kleiner als %1 x %2 Punkte.",
                      "The picture is smaller than %1 x %2 pixels."};

QString Reason(const Game& game, PictureFault fault, int minWidth, int minHeight) {
    const auto text = [&game](const BiText& t) { return QString::fromUtf8(game.Tr(t)); };
    switch (fault) {
    case PictureFault::Missing: return text(Missing);
    case PictureFault::Unreadable: return text(Unreadable);
    case PictureFault::NotAPicture: return text(NotAPicture);
    case PictureFault::TooSmall: return text(TooSmall).arg(minWidth).arg(minHeight);
    case PictureFault::None: break;
    }
    return {};
}

}  // namespace

QString StartPictureError(const Game& game, const QString& path, PictureFault fault, int minWidth,
                          int minHeight) {
    return QString::fromUtf8(game.Tr(texts::OutOfMemory)) + '\n' + path + ": " +
           Reason(game, fault, minWidth, minHeight);
}

bool LoadStartPicture(const Game& game, Picture& picture, const char* file, int minWidth, int minHeight,
                      Decoding when) {
    const QString path = QString::fromStdString(game.ProgramDir + file);
    const PictureFault fault = picture.LoadBmpAtLeast(path, minWidth, minHeight, when);
    if (fault == PictureFault::None) return true;
    const QString text = StartPictureError(game, path, fault, minWidth, minHeight);
    std::fprintf(stderr, "Tarnwick: %s\n", text.toLocal8Bit().constData());
    ShowErrorBox(text);
    return false;
}

}  // namespace tarnwick
