// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayCheck.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace tarnwick {

namespace {

std::string noDisplay;
// What Qt said on its way to giving up (which display it tried, and why it
// could not be reached), the first few lines of it.
std::string qtSaid;
int qtLines = 0;

void HoldBack(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        if (qtLines++ < 3) qtSaid += "  (Qt: " + message.toStdString() + ")\n";
        return;
    }
    std::fprintf(stderr, "%s\n%s", noDisplay.c_str(), qtSaid.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

void SayWhenNoDisplay(std::string line) {
    noDisplay = std::move(line);
    qInstallMessageHandler(HoldBack);
}

void DisplayFound() { qInstallMessageHandler(nullptr); }

}  // namespace tarnwick
