// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QTextDocument>
#include <QWidget>

namespace tarnwick {

namespace {

class GridInterface;

// One cell of a grid: no object of its own, named by the game.
class CellInterface : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellInterface(QWidget* widget, int column, int row) : widget_(widget), column_(column), row_(row) {}

    bool isValid() const override {
        const AccessibleGrid* grid = widget_ ? AccessibleGrid::Of(widget_) : nullptr;
        return grid && column_ < grid->Model().columns() && row_ < grid->Model().rows();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return widget_ ? widget_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(widget_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text type) const override {
        if (type != QAccessible::Name || !isValid()) return {};
        return Grid().name(column_, row_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect place = Grid().place(column_, row_);
        return QRect(widget_->mapToGlobal(place.topLeft()), place.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selected = isSelected();
        state.focused = state.selected && widget_->hasFocus();
        if (!widget_->isVisible()) state.invisible = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    // The cell under the cursor counts as the one chosen.
    bool isSelected() const override {
        if (!isValid()) return false;
        const auto cursor = Grid().cursor ? Grid().cursor() : std::nullopt;
        return cursor && cursor->x() == column_ && cursor->y() == row_;
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const GridModel& Grid() const { return AccessibleGrid::Of(widget_)->Model(); }

    QPointer<QWidget> widget_;
    int column_;
    int row_;
};

// The widget that shows a grid, as a table of its cells.
class GridInterface : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Table) {}
    ~GridInterface() override { Forget(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return columnCount() * rowCount(); }
    QAccessibleInterface* child(int index) const override {
        const int columns = columnCount();
        if (index < 0 || index >= childCount() || columns == 0) return nullptr;
        return Cell(index % columns, index / columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || child->role() != QAccessible::Cell) return -1;
        auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        if (!cell || cell->table() != this) return -1;
        return cell->rowIndex() * columnCount() + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
        for (int row = 0; row < rowCount(); ++row)
            for (int column = 0; column < columnCount(); ++column)
                if (Model().place(column, row).contains(at)) return Cell(column, row);
        return nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
        return Cell(column, row);
    }
    int selectedCellCount() const override { return CursorCell() ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        QAccessibleInterface* cell = CursorCell();
        return cell ? QList<QAccessibleInterface*>{cell} : QList<QAccessibleInterface*>{};
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Model().columns(); }
    int rowCount() const override { return Model().rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { Forget(); }

    QAccessibleInterface* CursorCell() const {
        const auto cursor = Model().cursor ? Model().cursor() : std::nullopt;
        if (!cursor) return nullptr;
        return cellAt(cursor->y(), cursor->x());
    }

private:
    const GridModel& Model() const { return AccessibleGrid::Of(widget())->Model(); }

    // Each cell's interface is made once and kept until the grid changes
    // its size or goes.
    QAccessibleInterface* Cell(int column, int row) const {
        const int key = (column << 16) | row;
        if (const auto found = cells_.constFind(key); found != cells_.constEnd())
            if (QAccessibleInterface* cell = QAccessible::accessibleInterface(*found)) return cell;
        auto* cell = new CellInterface(widget(), column, row);
        cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    void Forget() {
        for (QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }

    mutable QHash<int, QAccessible::Id> cells_;
};

// A label's words as text: the messages, questions and pages read out.
class TextInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TextInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Name && widget()->accessibleName().isEmpty()) return Words();
        return QAccessibleWidget::text(type);
    }

    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        const QString words = Words();
        if (endOffset < 0 || endOffset > words.size()) endOffset = int(words.size());
        if (startOffset < 0 || startOffset > endOffset) return {};
        return words.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(Words().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = offset < 0 ? -1 : 0;
        *endOffset = offset < 0 ? -1 : characterCount();
        return {};
    }

private:
    // The words as read, without the marks of a text in rich form.
    QString Words() const {
        const auto* label = static_cast<const QLabel*>(object());
        const bool rich = label->textFormat() == Qt::RichText ||
                          (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        if (!rich) return label->text();
        QTextDocument document;
        document.setHtml(label->text());
        return document.toPlainText();
    }
};

QAccessibleInterface* GameInterfaces(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (AccessibleGrid::Of(widget)) return new GridInterface(widget);
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull())
        return new TextInterface(label);
    return nullptr;
}

}  // namespace

void UseGameAccessibility() { QAccessible::installFactory(GameInterfaces); }

AccessibleGrid::AccessibleGrid(QWidget* widget, GridModel model)
    : QObject(widget), widget_(widget), model_(std::move(model)) {
    setObjectName("AccessibleGrid");
    size_ = QSize(model_.columns(), model_.rows());
}

AccessibleGrid* AccessibleGrid::Attach(QWidget* widget, GridModel model) {
    UseGameAccessibility();
    return new AccessibleGrid(widget, std::move(model));
}

AccessibleGrid* AccessibleGrid::Of(const QObject* widget) {
    return widget ? widget->findChild<AccessibleGrid*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void AccessibleGrid::Changed() {
    // A board of another size (another level): the table is told anew.
    const QSize size(model_.columns(), model_.rows());
    if (size != size_ && QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent reset(widget_, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
    size_ = size;
    Tell(QAccessible::NameChanged);
}

void AccessibleGrid::CursorMoved() { Tell(widget_->hasFocus() ? QAccessible::Focus : QAccessible::Selection); }

void AccessibleGrid::Tell(int type) {
    if (!QAccessible::isActive()) return;
    auto* grid = dynamic_cast<GridInterface*>(QAccessible::queryAccessibleInterface(widget_));
    if (!grid) return;
    QAccessibleInterface* cell = grid->CursorCell();
    if (!cell) return;
    QAccessibleEvent event(cell, static_cast<QAccessible::Event>(type));
    QAccessible::updateAccessibility(&event);
}

}  // namespace tarnwick
