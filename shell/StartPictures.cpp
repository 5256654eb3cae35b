#include "shell/StartPictures.h"

#include <cstdio>

#include "platform/System.h"
#include "shell/GameState.h"
#include "shell/Texts.h"

namespace tarnwick {

namespace {

const BiText Missing{"Die Datei fehlt.", "The file is missing."};
const BiText Unreadable{"Die Datei kann nicht gelesen werden.", "The file cannot be read."};
const BiText NotAPicture{"Die Datei ist kein BMP-Bild.", "The file is not a BMP picture."};
const BiText TooSmall{"Das Bild ist kleiner als %1 x %2 Punkte.",
                      "The picture is smaller than %1 x %2 pixels."};

QString Reason(PictureFault fault, int minWidth, int minHeight) {
    switch (fault) {
    case PictureFault::Missing: return Text(Missing);
    case PictureFault::Unreadable: return Text(Unreadable);
    case PictureFault::NotAPicture: return Text(NotAPicture);
    case PictureFault::TooSmall: return Text(TooSmall).arg(minWidth).arg(minHeight);
    case PictureFault::None: break;
    }
    return {};
}

}  // namespace

QString StartPictureError(const QString& path, PictureFault fault, int minWidth, int minHeight) {
    return Text(texts::OutOfMemory) + '\n' + path + ": " + Reason(fault, minWidth, minHeight);
}

bool LoadStartPicture(Picture& picture, const char* file, int minWidth, int minHeight, Decoding when) {
    const QString path = QString::fromStdString(ProgramDir + file);
    const PictureFault fault = picture.LoadBmpAtLeast(path, minWidth, minHeight, when);
    if (fault == PictureFault::None) return true;
    const QString text = StartPictureError(path, fault, minWidth, minHeight);
    std::fprintf(stderr, "Tarnwick: %s\n", text.toLocal8Bit().constData());
    ShowErrorBox(text);
    return false;
}

}  // namespace tarnwick
