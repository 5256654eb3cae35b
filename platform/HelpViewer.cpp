#include "platform/HelpViewer.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>
#include <QWidget>

#include "platform/SceneWindow.h"
#include "platform/System.h"

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
    if (const QWidget* game = SceneHost() ? SceneHost()->window() : nullptr) {
        // The viewer keeps clear of the game's tool bar ("Panel1" on top).
        const QRect frame = game->frameGeometry();
        const QWidget* toolBar = game->findChild<QWidget*>("Panel1");
        const int toolBarBottom = game->mapToGlobal(QPoint(0, toolBar ? toolBar->height() : 0)).y();
        arguments << QStringLiteral("--game")
                  << QStringLiteral("%1,%2,%3,%4,%5")
                         .arg(frame.x())
                         .arg(frame.y())
                         .arg(frame.width())
                         .arg(frame.height())
                         .arg(toolBarBottom);
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
