// SPDX-License-Identifier: GPL-3.0-or-later
#include "labyrinth/LabyrinthWords.h"

#include <QStringList>

#include "labyrinth/Corridors.h"
#include "labyrinth/TileOpenings.h"

namespace tarnwick {

namespace {

const BiText Directions[4] = {{"Osten", "east"}, {"Norden", "north"}, {"Westen", "west"}, {"Süden", "south"}};

QString Say(const Game& game, const BiText& text) { return QString::fromUtf8(game.Tr(text)); }

QString Joined(const Game& game, const QStringList& words) {
    if (words.size() < 2) return words.join(QString());
    return QStringList(words.mid(0, words.size() - 1)).join(QStringLiteral(", ")) + Say(game, {" und ", " and "}) +
           words.last();
}

// The directions a tile kind opens to.
QString Openings(const Game& game, int kind) {
    QStringList ways;
    for (int direction : {North, East, South, West})
        if (OpenTo(kind, direction)) ways << Say(game, Directions[direction]);
    return Joined(game, ways);
}

}  // namespace

QString TileName(const Game& game, int col, int row) {
    QString name;
    int line = 0, direction = 0;
    const int kind = game.Grid[row][col];
    if (const int door = DoorAt(col, row)) {
        const QString number = door == DoorCount ? Say(game, {"zum Thronsaal", "to the throne room"})
                                                 : QString::number(door);
        name = Say(game, {"Tür ", "door "}) + number + QStringLiteral(", ") +
               Say(game, game.DoorOpen[door] ? BiText{"offen", "open"} : BiText{"verschlossen", "closed"});
    } else if (col == ExitCell.col && row == ExitCell.row) {
        name = Say(game, {"Ausgang", "exit"});
    } else if (ArrowAt(col, row, line, direction)) {
        const bool isRow = direction == East || direction == West;
        name = Say(game, {"Pfeil: schiebt ", "arrow: shifts "}) +
               Say(game, isRow ? BiText{"Zeile ", "row "} : BiText{"Spalte ", "column "}) + QString::number(line) +
               Say(game, {" nach ", " "}) + Say(game, Directions[direction]);
        if (game.MazeRestored) name += Say(game, {" (fest)", " (fixed)"});
    } else if (kind >= 0 && kind < TileKindCount && TileOpenings[kind] != 0) {
        name = Say(game, {"Gang nach ", "corridor to the "}) + Openings(game, kind);
    } else {
        name = Say(game, {"Mauer", "wall"});
    }
    if (col == game.PlayerCol && row == game.PlayerRow) name = Say(game, {"Du stehst hier: ", "you stand here: "}) + name;
    return name;
}

QString WhereTheFigureStands(const Game& game) {
    QStringList ways;
    constexpr int dx[4] = {1, 0, -1, 0}, dy[4] = {0, -1, 0, 1};
    for (int direction : {North, East, South, West})
        if (WalkDirection(game, game.PlayerCol + dx[direction], game.PlayerRow + dy[direction]) == direction)
            ways << Say(game, Directions[direction]);
    QString where = Say(game, {"Du stehst in Zeile ", "You stand in row "}) + QString::number(game.PlayerRow) +
                    Say(game, {", Spalte ", ", column "}) + QString::number(game.PlayerCol) + QStringLiteral(". ");
    if (ways.isEmpty()) return where + Say(game, {"Kein Weg ist offen.", "No way is open."});
    return where + Say(game, {"Offene Wege: ", "Open ways: "}) + Joined(game, ways) + QStringLiteral(".");
}

}  // namespace tarnwick
