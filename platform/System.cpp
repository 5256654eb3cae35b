#include "platform/System.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tarnwick {

namespace {
ErrorBoxScript errorBoxScript;
std::string programFolder;
}  // namespace

void SetProgramFolder(const std::string& folder) { programFolder = folder; }

std::string ProgramFolder() {
    if (!programFolder.empty()) return programFolder;
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith('/')) dir += '/';
    return dir.toStdString();
}

std::string DataFolder() {
    if (!programFolder.empty()) return programFolder;
    const QString program = QCoreApplication::applicationDirPath();
    const QDir installed(program + QStringLiteral("/" TARNWICK_DATA_FROM_PROGRAM));
    QString dir = installed.exists() ? installed.absolutePath() : program;
    if (!dir.endsWith('/')) dir += '/';
    return dir.toStdString();
}

std::string UserDataFolder() {
    // Qt reads XDG_DATA_HOME and falls back to ~/.local/share.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dir.isEmpty()) dir = QDir::homePath() + "/.local/share";
    return (dir + "/tarnwick/").toStdString();
}

bool CanWriteFolder(const std::string& folder) {
    const QString dir = QString::fromStdString(folder);
    if (!QFileInfo(dir).isDir()) return false;
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".tarnwick-XXXXXX")));
    return probe.open();
}

std::string SettingsFolder() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (dir.isEmpty()) dir = QDir::homePath() + "/.config";
    QDir().mkpath(dir);
    if (!dir.endsWith('/')) dir += '/';
    return dir.toStdString();
}

void SetErrorBoxScript(ErrorBoxScript script) { errorBoxScript = std::move(script); }

void ShowErrorBox(const QString& text) {
    if (errorBoxScript) {
        errorBoxScript(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tarnwick"), text, QMessageBox::Ok);
    box.exec();
}

int ScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

int ScreenHeight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 768;
}

bool OnSomeScreen(int left, int top, int width, int height) {
    // At least a good grip of the window (its top band) must be visible.
    const QRect grip(left, top, width, std::min(height, 40));
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect seen = screen->geometry().intersected(grip);
        if (seen.width() >= std::min(width, 100) && seen.height() >= std::min(grip.height(), 20))
            return true;
    }
    return false;
}

}  // namespace tarnwick
