// SPDX-License-Identifier: GPL-3.0-or-later
// The rules button and the catalogue button open the help files at named
// topics; the files must hold those anchors, be clean UTF-8, and the rules
// must speak of every room in both languages.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string readFile(const std::string& name) {
    std::ifstream file(std::string(PROGRAM_DIR) + name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

bool isUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const int more = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (more < 0 || i + more >= s.size() + (more == 0 ? 1 : 0)) return false;
        for (int k = 1; k <= more; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        i += 1 + more;
    }
    return true;
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

std::string anchor(const std::string& topic) { return "<a name=\"" + topic + "\">"; }

// The text from one topic's anchor up to the other's (or the end).
std::string section(const std::string& text, const std::string& topic, const std::string& other) {
    const std::size_t from = text.find(anchor(topic));
    if (from == std::string::npos) return {};
    const std::size_t to = text.find(anchor(other));
    return text.substr(from, to > from ? to - from : std::string::npos);
}

}  // namespace

TEST(HelpFiles, EachFileHoldsItsTwoTopicsOnce) {
    const std::string rules = readFile("TARN1.HLP");
    const std::string catalogue = readFile("FGAM.HLP");
    ASSERT_FALSE(rules.empty());
    ASSERT_FALSE(catalogue.empty());
    EXPECT_EQ(count(rules, anchor("Das_Spiel")), 1u);
    EXPECT_EQ(count(rules, anchor("The_game")), 1u);
    EXPECT_EQ(count(catalogue, anchor("Fennick_Games_d")), 1u);
    EXPECT_EQ(count(catalogue, anchor("Fennick_Games_e")), 1u);
    for (const std::string* text : {&rules, &catalogue}) {
        EXPECT_TRUE(isUtf8(*text));
        EXPECT_NE(text->find("charset=utf-8"), std::string::npos);
        EXPECT_NE(text->find("</html>"), std::string::npos);
    }
    EXPECT_NE(catalogue.find("Tarnwick"), std::string::npos);
}

TEST(HelpFiles, RulesDescribeEveryRoomInBothLanguages) {
    const std::string rules = readFile("TARN1.HLP");
    const std::string german = section(rules, "Das_Spiel", "The_game");
    const std::string english = section(rules, "The_game", "Das_Spiel");
    const std::vector<std::string> germanRooms = {
        "Kammer der Verschlingung", "Kammer der Beschränkung",  "Kammer der Springer",
        "Kammer der Veränderung",   "Kammer der Verschiebung",  "Kammer der Sprüche",
        "Kammer der Explosionen",   "Kammer der Wanderungen",   "Kammer des Verwechslung",
        "Kammer der Einsamkeit",    "Kammer des Verschwindens", "Kammer der Zerteilung"};
    const std::vector<std::string> englishRooms = {
        "Room of entangling", "Room of restriction", "Knight's room",      "Room of alteration",
        "Room of displacement", "Room of sayings",   "Room of explosions", "Room of wandering",
        "Room of confusion",  "Room of loneliness",  "Room of disappearence", "Room of separation"};
    for (const std::string& room : germanRooms) EXPECT_NE(german.find(room), std::string::npos) << room;
    for (const std::string& room : englishRooms) EXPECT_NE(english.find(room), std::string::npos) << room;
    EXPECT_NE(german.find("Thronsaal"), std::string::npos);
    EXPECT_NE(english.find("throne room"), std::string::npos);
}
