// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "labyrinth/Corridors.h"
#include "state/IniFile.h"
#include "state/SavedGame.h"
#include "support/OddFiles.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

fs::path TempDir(const std::string& name) {
    fs::path dir = fs::temp_directory_path() / ("tarnwick-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

SavedGame SampleGame() {
    SavedGame g;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 9; ++c) g.Cells[r][c] = static_cast<std::int16_t>((r * 9 + c) % 11);
    g.PlayerCol = 10;
    g.PlayerRow = 3;
    g.PlayerFacing = 2;
    g.ReservedWord = -2;
    g.DoorOpen[0] = 1;
    g.DoorOpen[12] = 1;
    g.MazeRestored = 1;
    return g;
}

TEST(SavedGameRecord, BytesAreLittleEndianAtTheirOffsets) {
    const auto b = EncodeSavedGame(SampleGame());
    ASSERT_EQ(b.size(), 112u);
    // Cell (column 2, row 1) is the second cell: offset 2.
    EXPECT_EQ(b[2], 1);
    EXPECT_EQ(b[3], 0);
    // Cell (column 1, row 2) starts the second row: offset 18, value 9.
    EXPECT_EQ(b[18], 9);
    EXPECT_EQ(b[90], 10);
    EXPECT_EQ(b[91], 0);
    EXPECT_EQ(b[92], 3);
    EXPECT_EQ(b[94], 2);
    EXPECT_EQ(b[96], 0xfe);  // -2, low byte first
    EXPECT_EQ(b[97], 0xff);
    EXPECT_EQ(b[98], 1);
    EXPECT_EQ(b[99], 0);
    EXPECT_EQ(b[110], 1);
    EXPECT_EQ(b[111], 1);
}

TEST(SavedGameRecord, StateSurvivesTheRoundTrip) {
    GameInPlay s;
    CopyGrid(s.Grid, TargetGrid);
    s.Grid[2][3] = 6;
    s.PlayerCol = 7;
    s.PlayerRow = 5;
    s.PlayerFacing = 3;
    s.MazeRestored = true;
    s.ReservedWord = 1234;
    s.DoorOpen[1] = s.DoorOpen[7] = s.DoorOpen[13] = true;

    const auto bytes = EncodeSavedGame(RecordFromState(s));
    const auto back = DecodeSavedGame(bytes.data(), bytes.size());
    ASSERT_TRUE(back);
    ASSERT_TRUE(IsPlayable(*back));

    GameInPlay t;
    CopyGrid(t.Grid, TargetGrid);
    ApplyRecord(*back, t);
    EXPECT_TRUE(GridEquals(s.Grid, t.Grid));
    EXPECT_EQ(t.PlayerCol, 7);
    EXPECT_EQ(t.PlayerRow, 5);
    EXPECT_EQ(t.PlayerFacing, 3);
    EXPECT_TRUE(t.MazeRestored);
    EXPECT_EQ(t.ReservedWord, 1234);
    for (int d = 1; d <= 13; ++d) EXPECT_EQ(t.DoorOpen[d], s.DoorOpen[d]) << d;
}

TEST(SavedGameRecord, DamagedRecordsAreRefused) {
    const auto good = EncodeSavedGame(SampleGame());
    EXPECT_FALSE(DecodeSavedGame(good.data(), 111));
    EXPECT_FALSE(DecodeSavedGame(nullptr, 112));

    auto damage = [&](std::size_t at, std::uint8_t value) {
        auto b = good;
        b[at] = value;
        auto g = DecodeSavedGame(b.data(), b.size());
        return g && IsPlayable(*g);
    };
    EXPECT_TRUE(damage(0, 20));     // the highest tile kind
    EXPECT_FALSE(damage(0, 21));    // no such tile
    EXPECT_FALSE(damage(1, 0x80));  // negative tile
    EXPECT_FALSE(damage(90, 11));   // player beside the grid
    EXPECT_FALSE(damage(93, 0xff)); // negative row
    EXPECT_FALSE(damage(94, 4));    // no such facing
    EXPECT_FALSE(damage(100, 2));   // door flag neither 0 nor 1
    EXPECT_FALSE(damage(111, 7));
}

TEST(SavedGameFile, ReadsWhatItWroteAndRefusesShortFiles) {
    const fs::path dir = TempDir("save");
    const std::string file = (dir / "game.htk").string();
    ASSERT_TRUE(WriteSavedGameFile(file, SampleGame()));
    EXPECT_EQ(fs::file_size(file), 112u);
    EXPECT_FALSE(fs::exists(file + ".tmp"));
    const auto back = ReadSavedGameFile(file);
    ASSERT_TRUE(back);
    EXPECT_EQ(EncodeSavedGame(*back), EncodeSavedGame(SampleGame()));

    fs::resize_file(file, 100);
    EXPECT_FALSE(ReadSavedGameFile(file));
    EXPECT_FALSE(ReadSavedGameFile((dir / "missing.htk").string()));
    fs::remove_all(dir);
}

TEST(SavedGameFile, AFailedSaveKeepsThePreviousOne) {
    const fs::path dir = TempDir("readonly");
    const std::string file = (dir / "game.htk").string();
    ASSERT_TRUE(WriteSavedGameFile(file, SampleGame()));
    // A target that is a directory cannot be replaced by a file.
    const std::string blocked = (dir / "blocked.htk").string();
    fs::create_directories(blocked);
    EXPECT_FALSE(WriteSavedGameFile(blocked, SampleGame()));
    EXPECT_FALSE(WriteSavedGameFile((dir / "no" / "such" / "dir.htk").string(), SampleGame()));
    EXPECT_TRUE(ReadSavedGameFile(file));
    fs::remove_all(dir);
}

TEST(SavedGameFile, WhatLiesInTheWayOfTheTemporaryFileNeitherStopsNorLeaks) {
    using namespace testing;
    const fs::path dir = TempDir("inway");
    const std::string file = (dir / "game.htk").string();
    const fs::path elsewhere = dir / "elsewhere";
    WriteFile(elsewhere, "keep");
    const Maker inTheWay[] = {Fifo, LinkTo(elsewhere.string()), Sparse(5000), LinkLoop};
    for (const auto& make : inTheWay) {
        make(file + ".tmp");
        const Watchdog watchdog("saving past an odd temporary file", std::chrono::seconds(20));
        ASSERT_TRUE(WriteSavedGameFile(file, SampleGame()));
        EXPECT_EQ(fs::file_size(file), SavedGameSize);
        EXPECT_FALSE(fs::exists(fs::symlink_status(file + ".tmp")));
        fs::remove(file + ".tmp.b");
    }
    std::ifstream in(elsewhere);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep");
    fs::remove_all(dir);
}

TEST(Settings, DefaultsWhenMissingAndValuesReadBack) {
    const fs::path dir = TempDir("ini");
    const std::string path = (dir / "mindcrate.ini").string();
    {
        IniFile ini(path);
        EXPECT_EQ(ini.ReadInteger("Tarnwick", "tongue", -1), -1);
        EXPECT_TRUE(ini.ReadBool("Tarnwick", "sound", true));
        EXPECT_EQ(ini.ReadString("Tarnwick", "game", ""), "");
        EXPECT_TRUE(ini.WriteBool("Tarnwick", "sound", false));
        EXPECT_TRUE(ini.WriteInteger("Tarnwick", "left", -20));
        EXPECT_TRUE(ini.WriteString("Tarnwick", "game", "/home/p/my game.htk"));
        EXPECT_TRUE(ini.WriteInteger("Tarnwick", "tongue", 1));
    }
    std::ifstream in(path);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("[Tarnwick]\n"), std::string::npos);
    EXPECT_NE(text.find("sound=0\n"), std::string::npos);

    IniFile again(path);
    EXPECT_FALSE(again.ReadBool("Tarnwick", "sound", true));
    EXPECT_EQ(again.ReadInteger("Tarnwick", "left", 0), -20);
    EXPECT_EQ(again.ReadString("Tarnwick", "game", ""), "/home/p/my game.htk");
    EXPECT_EQ(again.ReadInteger("tarnwick", "TONGUE", -1), 1);
    fs::remove_all(dir);
}

TEST(Settings, OddValuesFallBackAndOtherSectionsSurvive) {
    const fs::path dir = TempDir("ini2");
    const std::string path = (dir / "mindcrate.ini").string();
    {
        std::ofstream out(path);
        out << "[Other]\r\nkeep=me\r\n[Tarnwick]\r\nleft=abc\r\ntop=99999999999\r\nsound=\r\n";
    }
    IniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("Tarnwick", "left", 7), 7);
    EXPECT_EQ(ini.ReadInteger("Tarnwick", "top", 8), 8);
    EXPECT_TRUE(ini.ReadBool("Tarnwick", "sound", true));
    ini.WriteString("Tarnwick", "game", "a\nb");
    IniFile again(path);
    EXPECT_EQ(again.ReadString("Other", "keep", ""), "me");
    EXPECT_EQ(again.ReadString("Tarnwick", "game", ""), "a b");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace tarnwick
