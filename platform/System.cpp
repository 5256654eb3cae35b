#include "platform/System.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>

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
