// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/corridors/DisplacementGraph.h"

#include <bit>
#include <cstdlib>

#include "riddles/corridors/DisplacementLayouts.h"

namespace tarnwick {

namespace {

constexpr int Width = DisplacementLayout::Columns;
constexpr int BallValues[3] = {4, 5, 7};  // red, green, yellow, as the rules number them
constexpr int Wall = -1, Corridor = 0;

int ColourOf(int value) {
    for (int c = 0; c < 3; ++c)
        if (BallValues[c] == value) return c;
    return -1;
}

}  // namespace

DisplacementGraph::DisplacementGraph(int level) {
    const DisplacementLayout& layout = DisplacementLayoutOf(level);
    const std::vector<int> start = DisplacementValues(layout.start);
    goal_ = DisplacementValues(layout.goal);
    walls_ = start;
    for (std::size_t i = 0; i < start.size(); ++i) {
        if (start[i] == Wall) continue;
        open_.push_back(static_cast<int>(i));
        walls_[i] = Corridor;
        const int colour = ColourOf(start[i]);
        if (colour >= 0) ++balls_[colour];
    }
    const auto openIndex = [this](int field) {
        for (std::size_t k = 0; k < open_.size(); ++k)
            if (open_[k] == field) return static_cast<int>(k);
        return -1;
    };
    for (int field : open_) {
        std::vector<int> beside;
        for (int other : {field - 1, field + 1, field - Width, field + Width}) {
            if (other < 0 || other >= static_cast<int>(start.size())) continue;
            if (std::abs(other % Width - field % Width) + std::abs(other / Width - field / Width) != 1) continue;
            if (start[static_cast<std::size_t>(other)] != Wall) beside.push_back(openIndex(other));
        }
        next_.push_back(beside);
    }
    int freeFields = static_cast<int>(open_.size());
    for (int c = 0; c < Colours; ++c) {
        free_[c] = freeFields;
        choiceNumber_[c].assign(std::size_t{1} << freeFields, -1);
        for (unsigned mask = 0; mask < (1u << freeFields); ++mask) {
            if (std::popcount(mask) != balls_[c]) continue;
            choiceNumber_[c][mask] = static_cast<std::int32_t>(choices_[c].size());
            choices_[c].push_back(static_cast<std::uint16_t>(mask));
        }
        positions_ *= static_cast<Position>(choices_[c].size());
        freeFields -= balls_[c];
    }
}

DisplacementGraph::Position DisplacementGraph::Number(const std::vector<int>& board) const {
    Position number = 0;
    unsigned taken = 0;  // corridor fields the colours before took
    for (int c = 0; c < Colours; ++c) {
        unsigned mask = 0;
        int bit = 0;
        for (std::size_t k = 0; k < open_.size(); ++k) {
            if (taken >> k & 1) continue;
            if (ColourOf(board[static_cast<std::size_t>(open_[k])]) == c) mask |= 1u << bit;
            ++bit;
        }
        for (std::size_t k = 0; k < open_.size(); ++k)
            if (ColourOf(board[static_cast<std::size_t>(open_[k])]) == c) taken |= 1u << k;
        const std::int32_t choice = choiceNumber_[c][mask];
        number = number * static_cast<Position>(choices_[c].size()) + static_cast<Position>(choice < 0 ? 0 : choice);
    }
    return number;
}

std::vector<int> DisplacementGraph::Board(Position position) const {
    std::array<Position, Colours> choice{};
    for (int c = Colours - 1; c >= 0; --c) {
        const auto count = static_cast<Position>(choices_[c].size());
        choice[c] = position % count;
        position /= count;
    }
    std::vector<int> board = walls_;
    unsigned taken = 0;
    for (int c = 0; c < Colours; ++c) {
        const unsigned mask = choices_[c][choice[c]];
        int bit = 0;
        for (std::size_t k = 0; k < open_.size(); ++k) {
            if (taken >> k & 1) continue;
            if (mask >> bit & 1) {
                board[static_cast<std::size_t>(open_[k])] = BallValues[c];
                taken |= 1u << k;
            }
            ++bit;
        }
    }
    return board;
}

std::vector<std::pair<BoardCell, BoardCell>> DisplacementGraph::Steps(const std::vector<int>& board) const {
    std::vector<std::pair<BoardCell, BoardCell>> steps;
    for (std::size_t k = 0; k < open_.size(); ++k) {
        const int field = open_[k];
        if (board[static_cast<std::size_t>(field)] <= Corridor) continue;
        for (int other : next_[k]) {
            const int to = open_[static_cast<std::size_t>(other)];
            if (board[static_cast<std::size_t>(to)] == Corridor)
                steps.push_back({{field % Width, field / Width}, {to % Width, to / Width}});
        }
    }
    return steps;
}

std::vector<std::uint8_t> DisplacementGraph::DistanceCodes() const {
    constexpr std::uint8_t Unseen = 0xff;
    std::vector<std::uint8_t> distance(positions_, Unseen);
    std::vector<Position> queue{Number(goal_)};
    distance[queue.front()] = 0;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const Position here = queue[head];
        std::vector<int> board = Board(here);
        const auto mod3 = static_cast<std::uint8_t>((distance[here] + 1) % 3);
        for (const auto& [from, to] : Steps(board)) {
            const std::size_t a = static_cast<std::size_t>(from.row * Width + from.col);
            const std::size_t b = static_cast<std::size_t>(to.row * Width + to.col);
            std::swap(board[a], board[b]);
            const Position there = Number(board);
            std::swap(board[a], board[b]);
            if (distance[there] != Unseen) continue;
            distance[there] = mod3;
            queue.push_back(there);
        }
    }
    for (std::uint8_t& d : distance)
        if (d == Unseen) d = Unreached;
    return distance;
}

namespace {
constexpr char TableDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
}  // namespace

std::string DisplacementGraph::TableText(const std::vector<std::uint8_t>& codes) {
    std::string text;
    for (std::size_t p = 0; p < codes.size(); p += 3) {
        int digit = 0;
        for (std::size_t k = 0; k < 3 && p + k < codes.size(); ++k) digit |= codes[p + k] << (2 * k);
        text += TableDigits[digit];
    }
    return text;
}

int DisplacementGraph::CodeIn(const char* text, Position position) {
    static const std::array<std::int8_t, 128> value = [] {
        std::array<std::int8_t, 128> v{};
        for (int d = 0; d < 64; ++d) v[static_cast<unsigned char>(TableDigits[d])] = static_cast<std::int8_t>(d);
        return v;
    }();
    const auto digit = static_cast<unsigned char>(text[position / 3]);
    return (value[digit & 127] >> (2 * (position % 3))) & 3;
}

}  // namespace tarnwick
