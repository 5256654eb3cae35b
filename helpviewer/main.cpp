// SPDX-License-Identifier: GPL-3.0-or-later
// tarnwick-help: the game's help viewer.
//
//   tarnwick-help [--listen] [--check] [--shot PNG] [--game X,Y,W,H,T] FILE [TOPIC]
//
// Shows the help file FILE scrolled to the anchor TOPIC. With --listen it
// takes further commands from the game on its input (see CommandReader).
// --check prints what the window shows and ends; --shot saves a picture of
// the window and ends. --game gives the game's window on the screen and the
// screen line below its tool bar: the viewer opens beside it, or over its
// middle but clear of the tool bar.
#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTextStream>

#include "helpviewer/CommandReader.h"
#include "helpviewer/HelpWindow.h"
#include "helpviewer/Placement.h"

using namespace tarnwick_help;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("tarnwick-help"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tarnwick help viewer"));
    parser.addHelpOption();
    const QCommandLineOption listen(QStringLiteral("listen"), QStringLiteral("Take commands on the input."));
    const QCommandLineOption check(QStringLiteral("check"), QStringLiteral("Print what is shown and end."));
    const QCommandLineOption shot(QStringLiteral("shot"), QStringLiteral("Save the window as a picture and end."),
                                  QStringLiteral("png"));
    const QCommandLineOption game(QStringLiteral("game"),
                                  QStringLiteral("The game's window and the bottom of its tool bar."),
                                  QStringLiteral("x,y,width,height,toolbar"));
    parser.addOptions({listen, check, shot, game});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The help file."));
    parser.addPositionalArgument(QStringLiteral("topic"), QStringLiteral("The topic's anchor."));
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty()) parser.showHelp(2);

    HelpWindow window;
    QRect gameWindow;
    int toolBarBottom = 0;
    if (ParseGamePlace(parser.value(game), gameWindow, toolBarBottom)) {
        const QScreen* screen = QGuiApplication::screenAt(gameWindow.center());
        if (!screen) screen = QGuiApplication::primaryScreen();
        if (screen) {
            const QRect place =
                PlaceBesideGame(gameWindow, toolBarBottom, screen->availableGeometry(), window.size());
            window.resize(place.size());
            window.move(place.topLeft());
        }
    }
    window.show();
    const bool found = window.Open(args.at(0), args.value(1));

    if (parser.isSet(check) || parser.isSet(shot)) {
        // Let the page lay itself out and scroll before looking at it.
        QApplication::processEvents();
        window.ShowTopic(args.value(1));
        QApplication::processEvents();
        if (parser.isSet(check)) {
            QTextStream out(stdout);
            out << window.Report() << '\n';
            if (parser.isSet(game)) {
                const QPoint at = window.frameGeometry().topLeft();
                out << "at: " << at.x() << ',' << at.y() << ' ' << window.width() << 'x' << window.height()
                    << '\n';
            }
            if (found) out << "top: " << window.TopLines(2).join(QStringLiteral(" | ")) << '\n';
        }
        if (parser.isSet(shot)) window.grab().save(parser.value(shot), "PNG");
        return found ? 0 : 1;
    }

    if (parser.isSet(listen)) {
        auto* reader = new CommandReader(&app);
        QObject::connect(reader, &CommandReader::topic, &window, [&window](const QString& name) {
            window.ShowTopic(name);
            window.showNormal();
            window.raise();
            window.activateWindow();
        });
        QObject::connect(reader, &CommandReader::quit, &app, &QApplication::quit);
    }
    return app.exec();
}
