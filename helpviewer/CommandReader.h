// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's commands to a viewer it started, one a line on the viewer's
// input: "topic NAME" shows another topic, "quit" ends the viewer. The end
// of the input (the game has gone) ends it as well.
#include <QObject>
#include <QSocketNotifier>

namespace tarnwick_help {

class CommandReader : public QObject {
    Q_OBJECT
public:
    explicit CommandReader(QObject* parent = nullptr);

signals:
    void topic(const QString& name);
    void quit();

private:
    void ReadAvailable();
    QSocketNotifier notifier_;
    QByteArray pending_;
};

}  // namespace tarnwick_help
