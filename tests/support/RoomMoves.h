// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Any riddle room's rules, made as the game makes them, and moves made on
// them as the mouse makes them: the hint's move, or a move drawn at random
// among those that change the room. Describe writes down all a room shows,
// through its public face only, so two moments can be compared.
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Random.h"
#include "riddles/balls/AlterationRules.h"
#include "riddles/balls/ConfusionRules.h"
#include "riddles/balls/DisappearanceRules.h"
#include "riddles/balls/EntanglingRules.h"
#include "riddles/balls/LonelinessRules.h"
#include "riddles/balls/RestrictionRules.h"
#include "riddles/corridors/DisplacementRules.h"
#include "riddles/duel/DuelLookahead.h"
#include "riddles/duel/DuelRules.h"
#include "riddles/fields/KnightRules.h"
#include "riddles/fields/WanderingRules.h"
#include "riddles/sayings/SayingsRules.h"
#include "riddles/separation/SeparationRules.h"

namespace tarnwick::testing {

// The rules of room 1..12, as the game makes them from its data folder
// (the build's program folder); `language` must outlive them.
inline std::unique_ptr<RoomRules> RoomRulesOf(int room, Random& dice, const int& language) {
    switch (room) {
    case 1: return std::make_unique<EntanglingRules>();
    case 2: return std::make_unique<RestrictionRules>(dice);
    case 3: return std::make_unique<KnightRules>(dice);
    case 4: return std::make_unique<AlterationRules>();
    case 5: return std::make_unique<DisplacementRules>();
    case 6: return std::make_unique<SayingsRules>(language);
    case 7: return std::make_unique<DuelRules>(dice);
    case 8: return std::make_unique<WanderingRules>();
    case 9: return std::make_unique<ConfusionRules>(PROGRAM_DIR);  // with the tables the build made
    case 10: return std::make_unique<LonelinessRules>(dice);
    case 11: return std::make_unique<DisappearanceRules>();
    case 12: return std::make_unique<SeparationRules>();
    default: return nullptr;
    }
}

// Plays a hint's move: a drag, a push or a click, by the room's kind of
// input. Whether the room took it as a move.
inline bool PlayHint(RoomRules& room, const Hint& hint) {
    if (hint.kind != Hint::Move || hint.fields.empty()) return false;
    const int before = room.MovesMade();
    if (auto* drag = dynamic_cast<DragRules*>(&room)) {
        if (hint.fields.size() != 2 || drag->Lift(hint.fields[0].cell) == 0) return false;
        drag->Drop(hint.fields[1].cell);
    } else if (auto* push = dynamic_cast<PushRules*>(&room)) {
        if (hint.fields.size() != 2 || !push->Grab(hint.fields[0].cell)) return false;
        push->PushTo(hint.fields[1].cell);
        push->Release();
    } else if (auto* click = dynamic_cast<ClickRules*>(&room)) {
        click->Click(hint.fields[0]);
    }
    return room.MovesMade() != before;
}

// Every move of the room as it stands that changes it, as hints.
inline std::vector<Hint> MovesOf(RoomRules& room) {
    std::vector<Hint> moves;
    const BoardGeometry g = room.Geometry();
    if (auto* balls = dynamic_cast<BallBoardRules*>(&room)) {
        for (int from = 0; from < g.Cells(); ++from)
            for (int to = 0; to < g.Cells(); ++to) {
                const BoardCell a{from % g.columns, from / g.columns}, b{to % g.columns, to / g.columns};
                if (balls->Allows(a, b)) moves.push_back(Hint::Drag(a, b));
            }
        return moves;
    }
    if (auto* duel = dynamic_cast<DuelRules*>(&room)) {
        if (duel->State() == dsPlayerWon || duel->State() == dsComputerWon) return moves;
        for (BoardCell field : PlayerFields(duel->Board())) moves.push_back(Hint::Click(field));
        return moves;
    }
    // Pushes and clicks are tried on a copy: at every field's centre, and
    // beside each of its edges (the room of separation cuts there).
    for (int c = 0; c < g.columns; ++c)
        for (int r = 0; r < g.rows; ++r) {
            std::vector<Hint> tries;
            if (dynamic_cast<PushRules*>(&room)) {
                for (BoardCell to : {BoardCell{c + 1, r}, BoardCell{c - 1, r}, BoardCell{c, r + 1}, BoardCell{c, r - 1}})
                    tries.push_back(Hint::Drag({c, r}, to));
            } else {
                tries.push_back(Hint::Click({c, r}));
                tries.push_back({Hint::Move, {BoardPoint{{c, r}, 31, 16}}});
                tries.push_back({Hint::Move, {BoardPoint{{c, r}, 16, 31}}});
            }
            for (const Hint& move : tries) {
                const std::unique_ptr<RoomRules> copy = room.Copy();
                if (PlayHint(*copy, move)) moves.push_back(move);
            }
        }
    return moves;
}

// A move drawn at random among those that change the room; false when
// there is none.
inline bool RandomMove(RoomRules& room, Random& dice) {
    const std::vector<Hint> moves = MovesOf(room);
    if (moves.empty()) return false;
    return PlayHint(room, moves[static_cast<std::size_t>(dice.Next(static_cast<int>(moves.size())))]);
}

// All a room shows, written down through its public face.
inline std::string Describe(const RoomRules& room) {
    std::ostringstream out;
    const BoardGeometry& g = room.Geometry();
    out << "level " << room.Level() << " board " << g.left << "," << g.top << " " << g.columns << "x" << g.rows
        << " verdict " << static_cast<int>(room.Judge()) << "\n";
    for (int r = 0; r < g.rows; ++r) {
        for (int c = 0; c < g.columns; ++c) {
            const BoardCell cell{c, r};
            if (const auto* balls = dynamic_cast<const BallBoardRules*>(&room)) out << balls->Cell(cell) << " ";
            if (const auto* corridors = dynamic_cast<const DisplacementRules*>(&room)) out << corridors->Cell(cell) << " ";
            if (const auto* fields = dynamic_cast<const VanishingFieldsRules*>(&room))
                out << (fields->Ball() == cell ? 'o' : fields->FieldThere(cell) ? '.' : ' ');
            if (const auto* sayings = dynamic_cast<const SayingsRules*>(&room)) out << sayings->LetterNumber(cell) << " ";
            if (const auto* cuts = dynamic_cast<const SeparationRules*>(&room))
                out << cuts->Cut({cell, true}) << cuts->Cut({cell, false}) << " ";
            if (const auto* duel = dynamic_cast<const DuelRules*>(&room)) {
                const DuelCell& field = duel->Board().At(cell);
                out << int(field.owner) << ":" << int(field.count) << " ";
            }
        }
        out << "\n";
    }
    if (const auto* wandering = dynamic_cast<const WanderingRules*>(&room))
        out << "moves left " << wandering->MovesLeft() << " crossed " << wandering->LineCrossedAt() << "\n";
    if (const auto* sayings = dynamic_cast<const SayingsRules*>(&room)) {
        std::string spell;
        for (char32_t letter : sayings->Spell()) spell += std::to_string(static_cast<unsigned>(letter)) + ",";
        out << "spell " << spell << "\n";
    }
    if (const auto* duel = dynamic_cast<const DuelRules*>(&room)) out << "state " << int(duel->State()) << "\n";
    return out.str();
}

}  // namespace tarnwick::testing
