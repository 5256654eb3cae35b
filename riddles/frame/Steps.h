// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a move did, as the window is to show it: sound cues, fields and the
// whole board to redraw, waits between animation frames, the verdict. The
// rules decide; the window plays the steps back in order and never repeats
// a rule of its own.
#include <vector>

#include "riddles/frame/Board.h"

namespace tarnwick {

struct Step {
    enum Kind {
        Cue,     // play sound cue `value`
        Wait,    // block for `value` milliseconds (BusyWait)
        Cell,    // redraw `cell` from the board
        Board,   // redraw every field
        Extras,  // redraw what the room shows beside its board (counters, lines, texts)
        Hand,    // the ball carried in a drag leaves the hand: the picture under it comes back
        Judge,   // the solved-state update
        Frame,   // from here on the view shows the room as it stood at moment `value`
                 // of the move (rooms that animate a move record its moments)
    };
    Kind kind = Cue;
    int value = 0;
    BoardCell cell{};

    friend bool operator==(const Step&, const Step&) = default;
};

using Steps = std::vector<Step>;

namespace steps {
inline Step PlayCue(int cue) { return {Step::Cue, cue, {}}; }
inline Step Wait(int ms) { return {Step::Wait, ms, {}}; }
inline Step Cell(BoardCell cell) { return {Step::Cell, 0, cell}; }
inline Step Board() { return {Step::Board, 0, {}}; }
inline Step Extras() { return {Step::Extras, 0, {}}; }
inline Step Hand() { return {Step::Hand, 0, {}}; }
inline Step Judge() { return {Step::Judge, 0, {}}; }
inline Step Frame(int moment) { return {Step::Frame, moment, {}}; }
}  // namespace steps

// How a room stands after a move.
enum class Verdict {
    Unsolved,   // the leave button shows
    Solved,     // cue 5, the success button shows
    Lost,       // cue 4, the leave button shows (a lost duel)
    Undecided,  // the buttons stay as they are (a duel still running)
};

}  // namespace tarnwick
