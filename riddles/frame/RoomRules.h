// SPDX-License-Identifier: GPL-3.0-or-later
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
//
// Moves are taken back through copies of the whole room (Copy, Restore),
// and every room knows the next move of a shortest solution from the
// position as it stands (NextMove), which the hint shows.
#include <memory>
#include <optional>
#include <vector>

#include "state/Cues.h"
#include "riddles/frame/Board.h"
#include "riddles/frame/Steps.h"
#include "state/BiText.h"

namespace tarnwick {

// What the hint has to show.
struct Hint {
    enum Kind {
        Move,     // the next move of a shortest solution
        Solved,   // nothing left to do
        NoWay,    // no solution is left from this position
        GaveUp,   // the search ran out of its bound before it knew
    };
    Kind kind = NoWay;
    // For a move: its fields in the order they are shown (a drag: the
    // ball's field, then its target; a push: the ball, then its next field;
    // a click: where to click).
    std::vector<BoardPoint> fields;

    static Hint Of(Kind kind) { return {kind, {}}; }
    static Hint Click(BoardCell cell) { return {Move, {Centre(cell)}}; }
    static Hint Drag(BoardCell from, BoardCell to) { return {Move, {Centre(from), Centre(to)}}; }
    static BoardPoint Centre(BoardCell cell) {
        return {cell, BoardGeometry::CellSize / 2, BoardGeometry::CellSize / 2};
    }
};

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

    // --- Taking moves back. A copy of the room as it stands, and the room
    // put back as the copy stood (a copy of another room changes nothing).
    virtual std::unique_ptr<RoomRules> Copy() const = 0;
    virtual void Restore(const RoomRules& copy) = 0;
    // Counts the moves that changed the room, so the window knows when to
    // keep a copy.
    int MovesMade() const { return movesMade_; }
    // Whether a move is half made (a ball in hand or held): no copy is
    // kept or put back meanwhile, and no hint given.
    virtual bool MoveUnderway() const { return false; }

    // --- The hint: the next move of a shortest solution from the position
    // as it stands; the room is left as it was.
    virtual Hint NextMove() const = 0;

protected:
    // Geometry (SetGeometry) and start position of a level.
    virtual void SetUpLevel(int level) = 0;
    void SetGeometry(const BoardGeometry& geometry) { geometry_ = geometry; }
    // A move changed the room.
    void CountMove() { ++movesMade_; }

private:
    int level_ = 1;
    BoardGeometry geometry_;
    int movesMade_ = 0;
};

// Copy and Restore for a room whose whole state is its value: a room class
// derives from CopyableRoom<itself, its rules family>.
template <typename Room, typename Base>
class CopyableRoom : public Base {
public:
    using Base::Base;
    std::unique_ptr<RoomRules> Copy() const override {
        return std::make_unique<Room>(static_cast<const Room&>(*this));
    }
    void Restore(const RoomRules& copy) override {
        if (const auto* room = dynamic_cast<const Room*>(&copy)) static_cast<Room&>(*this) = *room;
    }
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
