#pragma once
// The rules of one riddle room, free of any window: the board and where it
// lies in the window, the start position of each level, which balls may be
// dragged where, and when the riddle is solved. A riddle window only turns
// mouse events into calls on these rules and draws what they hold.
//
// Every room derives from RiddleRules. The board is a grid of 32 x 32 cells,
// one integer per cell: 0 an empty field, any other value a ball kind whose
// meaning is the room's own.
#include <optional>
#include <vector>

#include "shell/GameState.h"  // BiText

namespace tarnwick {

// A field of a riddle board; column 0 at the left, row 0 at the top.
struct BoardCell {
    int col = 0;
    int row = 0;
    friend bool operator==(const BoardCell&, const BoardCell&) = default;
};

// A point in window pixels, or the top-left corner of a square in the
// riddle picture.
struct Pixel {
    int x = 0;
    int y = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

// How a release of the ball in hand ended.
enum class DropOutcome {
    NothingInHand,  // no ball was being dragged
    Refused,        // the ball is back on the field it was lifted from
    Accepted,       // the ball stands on the target field
};

class RiddleRules {
public:
    static constexpr int CellSize = 32;

    virtual ~RiddleRules() = default;

    // --- The room itself.
    virtual BiText RoomName() const = 0;
    virtual BiText EntryMessage() const = 0;
    // The rules, one message window after the other.
    virtual std::vector<BiText> RulesMessages() const = 0;
    // Dark rooms take the dark background and a silver title.
    virtual bool DarkRoom() const = 0;

    // --- Levels. Lays out the board of level 1..3 and its start position,
    // with no ball in hand. Used on entry and, with Level(), on reset.
    void InitLevel(int level);
    int Level() const { return level_; }

    // --- The board.
    int BoardLeft() const { return left_; }
    int BoardTop() const { return top_; }
    int Columns() const { return cols_; }
    int Rows() const { return rows_; }
    bool OnBoard(BoardCell cell) const;
    // The field's value; 0 for a field off the board.
    int Cell(BoardCell cell) const;
    // The field under a window point, if the point lies on the board.
    std::optional<BoardCell> CellAt(int x, int y) const;
    // Window point at which the field's ball is drawn.
    Pixel CellCentre(BoardCell cell) const;
    // The 32 x 32 square of the riddle picture that shows the empty field.
    virtual Pixel FieldSquare(BoardCell cell) const = 0;
    // Which ball sprite column (0..7) of the riddle picture shows a kind.
    virtual int SpriteColumn(int kind) const = 0;

    // --- Dragging. Lift takes the ball off a field into the hand; it does
    // nothing (false) while a ball is in hand, off the board or on an empty
    // field. Drop puts the ball in hand down on a field (nullopt: released
    // off the board). A drop is accepted on an empty field of the board
    // (the lifted ball's own field counts as empty) that the room's move
    // rule allows; the room's side effects are applied before the ball
    // lands. A refused ball goes back where it came from.
    bool Lift(BoardCell cell);
    DropOutcome Drop(std::optional<BoardCell> target);
    int DragKind() const { return dragKind_; }
    BoardCell DragFrom() const { return dragFrom_; }

    // Whether the board shows the level's goal.
    virtual bool IsSolved() const = 0;

protected:
    // Places the board in the window and empties it; for SetUpLevel.
    void SetBoard(int left, int top, int columns, int rows);
    void SetCell(BoardCell cell, int value);

    // Geometry (SetBoard) and start position of a level.
    virtual void SetUpLevel(int level) = 0;
    // The room's move rule for a ball of `kind` lifted from `from` and
    // released over the empty field `to`. The ball is not on the board
    // while this is asked. Any move by default.
    virtual bool AcceptsDrop(BoardCell from, BoardCell to, int kind) const;
    // What an accepted move does besides moving the ball. Nothing by default.
    virtual void ApplyDrop(BoardCell from, BoardCell to, int kind);

private:
    int level_ = 1;
    int left_ = 0;
    int top_ = 0;
    int cols_ = 0;
    int rows_ = 0;
    std::vector<int> board_;
    int dragKind_ = 0;
    BoardCell dragFrom_;
};

}  // namespace tarnwick
