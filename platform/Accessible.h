// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What assistive technology (a screen reader, through AT-SPI) learns of the
// things the game draws itself. A grid the game draws (a riddle board, the
// throne-room table, the labyrinth) is told as a table of cells, each named
// by the game for what lies there ("red ball", "empty field"), the cell
// under the keyboard's cursor focused; and the texts of the scenes
// (messages, questions, story and help pages) offer their words as text.
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace tarnwick {

// A grid of cells as the game sees it; every function is asked afresh each
// time, so the table always tells the grid as it stands.
struct GridModel {
    std::function<int()> columns;
    std::function<int()> rows;
    std::function<QString(int column, int row)> name;  // what lies on the cell
    std::function<QRect(int column, int row)> place;   // where it lies, in the widget's pixels
    std::function<std::optional<QPoint>()> cursor;     // the cell under the cursor (x column, y row)
};

class AccessibleGrid : public QObject {
    Q_OBJECT
public:
    // Makes the widget a table of the model's cells (its name and
    // description are the widget's own).
    static AccessibleGrid* Attach(QWidget* widget, GridModel model);
    // The grid of a widget, or null.
    static AccessibleGrid* Of(const QObject* widget);

    const GridModel& Model() const { return model_; }

    // What lies on the cells changed: the cursor's cell is told anew.
    void Changed();
    // The cursor went to another cell: that cell takes the focus.
    void CursorMoved();

private:
    AccessibleGrid(QWidget* widget, GridModel model);
    void Tell(int type);

    QWidget* widget_;
    GridModel model_;
    QSize size_;  // columns and rows when last told
};

// The game's own accessible interfaces (grids and texts) for every widget
// made from now on; once is enough, more is harmless.
void UseGameAccessibility();

}  // namespace tarnwick
