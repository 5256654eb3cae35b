// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpViewer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QWidget>

#include "platform/SceneWindow.h"
#include "platform/System.h"
#include "platform/Zoom.h"

namespace tarnwick {

namespace {

HelpViewerScript helpScript;
// The viewer the game started, a child of the application so that it ends
// with the game at the latest; it talks to us through its input channel.
QPointer<QProcess> viewer;
std::string viewerFile;

bool ViewerRunning() { return viewer && viewer->state() != QProcess::NotRunning; }

void EndViewer() {
    QProcess* process = viewer.data();
    viewer = nullptr;
    viewerFile.clear();
    if (!process) return;
    if (process->state() != QProcess::NotRunning) {
        // Ask politely, then insist.
        process->write("quit\n");
        process->closeWriteChannel();
        if (!process->waitForFinished(1500)) {
            process->kill();
            process->waitForFinished(1500);
        }
    }
    delete process;
}

}  // namespace

void SetHelpViewerScript(HelpViewerScript script) { helpScript = std::move(script); }

void ShowHelpTopic(const std::string& file, const std::string& topic) {
    if (helpScript.show) {
        helpScript.show(file, topic);
        return;
    }
    if (ViewerRunning() && viewerFile == file) {
        viewer->write(QByteArray("topic ") + QByteArray::fromStdString(topic) + '\n');
        return;
    }
    EndViewer();
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(QString::fromStdString(ProgramFolder() + HelpViewerProgram));
    QStringList arguments{QStringLiteral("--listen")};
    // Where the desktop lets the game know where it lies, the viewer opens
    // beside it, clear of the game's tool bar ("Panel1" on top); a Wayland
    // compositor places the viewer itself. The viewer counts in the
    // desktop's own pixels, without the game's zoom.
    const QWidget* game = SceneHost() ? SceneHost()->window() : nullptr;
    if (game && QGuiApplication::platformName() != QStringLiteral("wayland")) {
        const QRect frame = game->frameGeometry();
        const QWidget* toolBar = game->findChild<QWidget*>("Panel1");
        const int toolBarBottom = toolBar ? toolBar->mapToGlobal(QPoint(0, toolBar->height())).y() : frame.y();
        const int zoom = GameZoom();
        arguments << QStringLiteral("--game")
                  << QStringLiteral("%1,%2,%3,%4,%5")
                         .arg(frame.x() * zoom)
                         .arg(frame.y() * zoom)
                         .arg(frame.width() * zoom)
                         .arg(frame.height() * zoom)
                         .arg(toolBarBottom * zoom);
    }
    arguments << QString::fromStdString(file) << QString::fromStdString(topic);
    process->setArguments(arguments);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    // A viewer that cannot be started shows nothing; the game goes on.
    viewer = process;
    viewerFile = file;
}

void CloseHelpViewer() {
    if (helpScript.close) {
        helpScript.close();
        return;
    }
    EndViewer();
}

qint64 HelpViewerProcessId() { return ViewerRunning() ? viewer->processId() : 0; }

}  // namespace tarnwick
