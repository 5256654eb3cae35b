// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/System.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>
#include <cstdint>

namespace tarnwick {

namespace {
ErrorBoxScript errorBoxScript;
std::string programFolder;

// How much of the span [a, a + aLength) lies in [b, b + bLength).
std::int64_t Overlap(std::int64_t a, std::int64_t aLength, std::int64_t b, std::int64_t bLength) {
    return std::min(a + aLength, b + bLength) - std::max(a, b);
}

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
    // Positions come from the settings and may be any 32-bit value: the
    // edges are worked out in 64 bits.
    const std::int64_t gripWidth = std::max(width, 0), gripHeight = std::clamp(height, 0, 40);
    const std::int64_t needWidth = std::min<std::int64_t>(gripWidth, 100);
    const std::int64_t needHeight = std::min<std::int64_t>(gripHeight, 20);
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        const std::int64_t seenWidth = Overlap(left, gripWidth, area.x(), area.width());
        const std::int64_t seenHeight = Overlap(top, gripHeight, area.y(), area.height());
        if (seenWidth > 0 && seenHeight > 0 && seenWidth >= needWidth && seenHeight >= needHeight)
            return true;
    }
    return false;
}

}  // namespace tarnwick
