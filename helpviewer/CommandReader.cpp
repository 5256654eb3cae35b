// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer/CommandReader.h"

#include <unistd.h>

namespace tarnwick_help {

CommandReader::CommandReader(QObject* parent)
    : QObject(parent), notifier_(STDIN_FILENO, QSocketNotifier::Read) {
    connect(&notifier_, &QSocketNotifier::activated, this, [this] { ReadAvailable(); });
}

void CommandReader::ReadAvailable() {
    char buffer[512];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
        notifier_.setEnabled(false);
        emit quit();
        return;
    }
    pending_.append(buffer, got);
    for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
        const QString line = QString::fromUtf8(pending_.left(end)).trimmed();
        pending_.remove(0, end + 1);
        if (line == QLatin1String("quit")) {
            emit quit();
        } else if (line.startsWith(QLatin1String("topic "))) {
            emit topic(line.mid(6).trimmed());
        }
    }
}

}  // namespace tarnwick_help
