// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/separation/SeparationRules.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

#include "riddles/separation/SeparationSolver.h"

namespace tarnwick {

namespace {

using Shape = std::vector<std::pair<int, int>>;  // (col, row) of each field

// The shape as it lies after one of the eight turns and mirrorings, moved
// to the origin and sorted.
Shape Placed(const Shape& shape, int turn) {
    Shape placed;
    for (auto [c, r] : shape) {
        if (turn & 4) std::swap(c, r);
        if (turn & 1) c = -c;
        if (turn & 2) r = -r;
        placed.emplace_back(c, r);
    }
    const int minC = std::min_element(placed.begin(), placed.end())->first;
    int minR = placed.front().second;
    for (const auto& field : placed) minR = std::min(minR, field.second);
    for (auto& field : placed) field = {field.first - minC, field.second - minR};
    std::sort(placed.begin(), placed.end());
    return placed;
}

// One form for all congruent shapes: the least of the eight placings.
Shape Canonical(const Shape& shape) {
    Shape least = Placed(shape, 0);
    for (int turn = 1; turn < 8; ++turn) least = std::min(least, Placed(shape, turn));
    return least;
}

}  // namespace

BiText SeparationRules::RoomName() const { return {"Kammer der Zerteilung", "Room of separation"}; }

BiText SeparationRules::EntryMessage() const {
    return {"Du stehst vor der Kammer der Zerteilung. Verletz Dich nicht!",
            "You want to enter the room of separation. Don't hurt yourself!"};
}

std::vector<BiText> SeparationRules::RulesMessages() const {
    const BiText divide{"Zerteile das Schachbrett in vier gleichgroße, gleichgeformte Teile.",
                        "Divide the chess board into four pieces of same size and form."};
    if (Level() == 2)
        return {divide,
                {"Achte darauf, daß sich in jedem Teil zwei verschiedene Kugeln befinden.",
                 "Mind, that in each part must be exactly two balls of different color."}};
    return {divide,
            {"Achte darauf, daß sich in jedem Teil genau eine Kugel befindet.",
             "Mind, that in each part must be exactly one ball."}};
}

void SeparationRules::SetUpLevel(int level) {
    const int size = 2 * level + 2;
    SetGeometry(CentredSquareBoard(size));
    rightCut_.assign(static_cast<std::size_t>(size * size), 0);
    bottomCut_.assign(rightCut_.size(), 0);
    switch (level) {
    case 1: balls_ = {{{1, 1}, Pearl}, {{1, 2}, Pearl}, {{2, 2}, Pearl}, {{3, 2}, Pearl}}; break;
    case 2:
        balls_ = {{{1, 1}, Pearl},  {{2, 1}, Pearl},  {{3, 1}, Pearl},  {{0, 4}, Pearl},
                  {{2, 2}, Purple}, {{2, 3}, Purple}, {{3, 2}, Purple}, {{3, 3}, Purple}};
        break;
    default: balls_ = {{{3, 0}, Purple}, {{3, 1}, Purple}, {{3, 2}, Purple}, {{3, 3}, Purple}}; break;
    }
}

std::size_t SeparationRules::Index(BoardCell cell) const {
    return static_cast<std::size_t>(cell.row * Size() + cell.col);
}

bool SeparationRules::OnBorder(Edge edge) const {
    return edge.right ? edge.cell.col == Size() - 1 : edge.cell.row == Size() - 1;
}

bool SeparationRules::Cut(Edge edge) const {
    if (!Geometry().OnBoard(edge.cell)) return false;
    return (edge.right ? rightCut_ : bottomCut_)[Index(edge.cell)] != 0;
}

SeparationRules::Edge SeparationRules::EdgeAt(const BoardPoint& point) const {
    const int dx = point.dx - BoardGeometry::CellSize / 2;
    const int dy = point.dy - BoardGeometry::CellSize / 2;
    const BoardCell cell = point.cell;
    if (std::abs(dx) > std::abs(dy)) return {dx >= 0 ? cell : BoardCell{cell.col - 1, cell.row}, true};
    return {dy >= 0 ? cell : BoardCell{cell.col, cell.row - 1}, false};
}

Steps SeparationRules::Click(const BoardPoint& point) {
    const Edge edge = EdgeAt(point);
    if (!Geometry().OnBoard(edge.cell) || OnBorder(edge)) return {};
    char& flag = (edge.right ? rightCut_ : bottomCut_)[Index(edge.cell)];
    flag = !flag;
    CountMove();
    return {steps::PlayCue(CueAccepted), steps::Cell(edge.cell), steps::Judge()};
}

Hint SeparationRules::NextMove() const { return NearestDivisionHint(*this); }

std::vector<int> SeparationRules::Parts() const {
    const int n = Size();
    std::vector<int> part(static_cast<std::size_t>(n * n), -1);
    int parts = 0;
    for (int start = 0; start < n * n; ++start) {
        if (part[static_cast<std::size_t>(start)] >= 0) continue;
        std::vector<BoardCell> open{{start % n, start / n}};
        part[static_cast<std::size_t>(start)] = parts;
        while (!open.empty()) {
            const BoardCell at = open.back();
            open.pop_back();
            const std::pair<BoardCell, bool> ways[] = {
                {{at.col + 1, at.row}, !Cut({at, true})},
                {{at.col - 1, at.row}, !Cut({{at.col - 1, at.row}, true})},
                {{at.col, at.row + 1}, !Cut({at, false})},
                {{at.col, at.row - 1}, !Cut({{at.col, at.row - 1}, false})},
            };
            for (const auto& [next, passable] : ways) {
                if (!passable || !Geometry().OnBoard(next) || part[Index(next)] >= 0) continue;
                part[Index(next)] = parts;
                open.push_back(next);
            }
        }
        ++parts;
    }
    return part;
}

bool SeparationRules::IsSolved() const {
    const int n = Size();
    const std::vector<int> part = Parts();
    if (*std::max_element(part.begin(), part.end()) != 3) return false;

    // No loose line: every cut lies between two different parts.
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            if (Cut({{c, r}, true}) && part[Index({c, r})] == part[Index({c + 1, r})]) return false;
            if (Cut({{c, r}, false}) && part[Index({c, r})] == part[Index({c, r + 1})]) return false;
        }
    }

    std::vector<Shape> shapes(4);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) shapes[static_cast<std::size_t>(part[Index({c, r})])].emplace_back(c, r);
    const Shape first = Canonical(shapes[0]);
    for (const Shape& shape : shapes)
        if (shape.size() != shapes[0].size() || Canonical(shape) != first) return false;

    // One ball of every colour on the board in every part.
    std::set<int> colours;
    for (const Ball& ball : balls_) colours.insert(ball.sprite);
    std::vector<std::multiset<int>> held(4);
    for (const Ball& ball : balls_) held[static_cast<std::size_t>(part[Index(ball.cell)])].insert(ball.sprite);
    for (const auto& balls : held)
        if (balls != std::multiset<int>(colours.begin(), colours.end())) return false;
    return true;
}

}  // namespace tarnwick
