#pragma once
// The rules of one riddle room, free of any window: its texts, where its
// board lies on each level, the level's start position, the move rule and
// the verdict. A room takes its moves through one of three kinds of input:
//  - DragRules: a ball is lifted, floats with the mouse and is dropped
//    (rooms 1, 2, 4, 9, 10, 11);
//  - PushRules: a grabbed ball steps from field to field under the mouse
//    (room 5);
//  - ClickRules: a click on the board is the whole move (rooms 3, 6, 7, 8,
//    12).
// Every move answers with the Steps the window plays back.
#include <optional>
#include <vector>

#include "state/Cues.h"
#include "riddles/frame/Board.h"
#include "riddles/frame/Steps.h"
#include "state/BiText.h"

namespace tarnwick {

class RoomRules {
public:
    virtual ~RoomRules() = default;

    // --- The room itself.
    virtual BiText RoomName() const = 0;
    virtual BiText EntryMessage() const = 0;
    // The rules of the current level, one message window after the other.
    virtual std::vector<BiText> RulesMessages() const = 0;
    // Dark rooms take the dark background and a silver title.
    virtual bool DarkRoom() const { return false; }

    // --- Levels. Lays out the board of level 1..3 and its start position,
    // with nothing in hand. Used on entry and, with Level(), on reset.
    void InitLevel(int level) {
        level_ = level;
        SetUpLevel(level);
    }
    int Level() const { return level_; }
    const BoardGeometry& Geometry() const { return geometry_; }

    // How the room stands now; the window acts on it after a Judge step.
    virtual Verdict Judge() const = 0;

protected:
    // Geometry (SetGeometry) and start position of a level.
    virtual void SetUpLevel(int level) = 0;
    void SetGeometry(const BoardGeometry& geometry) { geometry_ = geometry; }

private:
    int level_ = 1;
    BoardGeometry geometry_;
};

// Lift, carry, drop. The window draws the ball in hand itself.
class DragRules {
public:
    virtual ~DragRules() = default;
    // Takes the ball off a field into the hand and returns its kind; 0 (and
    // nothing changes) while a ball is in hand or on an empty field.
    virtual int Lift(BoardCell cell) = 0;
    // Puts the ball in hand down over a field (nullopt: released off the
    // board). Nothing at all while no ball is in hand.
    virtual Steps Drop(std::optional<BoardCell> target) = 0;
    virtual int DragKind() const = 0;
    virtual BoardCell DragFrom() const = 0;
};

// Grab a ball and push it along, one field at a time.
class PushRules {
public:
    virtual ~PushRules() = default;
    // Takes hold of the ball on a field; false (nothing held) when there is
    // none, or while one is held.
    virtual bool Grab(BoardCell cell) = 0;
    // The mouse is over a field (nullopt: off the board).
    virtual Steps PushTo(std::optional<BoardCell> cell) = 0;
    // The button is released; nothing while no ball is held.
    virtual Steps Release() = 0;
    virtual bool Holding() const = 0;
    // The field of the ball held.
    virtual BoardCell HeldAt() const = 0;
};

// A click on the board.
class ClickRules {
public:
    virtual ~ClickRules() = default;
    virtual Steps Click(const BoardPoint& point) = 0;
    // Where on the board a click means something of its own: on each field
    // (1), or on the fields and on the lines between them (2).
    virtual int ClickPointsPerField() const { return 1; }
};

// Verdict of the rooms that know only solved and unsolved.
inline Verdict SolvedIf(bool solved) { return solved ? Verdict::Solved : Verdict::Unsolved; }

}  // namespace tarnwick
