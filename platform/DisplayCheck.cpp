// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayCheck.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace tarnwick {

namespace {

std::string noDisplay;

void HoldBack(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg) return;
    std::fprintf(stderr, "%s\n", noDisplay.c_str());
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
