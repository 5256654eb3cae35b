// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the story clip a1.avi: the chancellor's spell breaks the king's
// chess board into its twelve pieces. The only argument is the folder the
// clip is written to.
#include <QGuiApplication>
#include <cstdio>

#include "AviWriter.h"
#include "ClipScene.h"
#include "SceneParts.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    using namespace tarnwick::clip;
    const QString path = QString::fromLocal8Bit(argv[1]) + "/a1.avi";
    ClipScene scene;
    AviWriter writer;
    bool ok = writer.open(path, ClipWidth, ClipHeight, ClipScene::FramesPerSecond);
    for (int n = 0; ok && n < ClipScene::FrameCount; ++n) ok = writer.addFrame(scene.frame(n));
    ok = writer.close() && ok;
    if (!ok) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
