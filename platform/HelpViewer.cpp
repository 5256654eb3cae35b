#include "platform/HelpViewer.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>

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
    process->setArguments({QStringLiteral("--listen"), QString::fromStdString(file),
                           QString::fromStdString(topic)});
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
