// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/IniFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sstream>
#include <string>

#include "platform/RegularFile.h"

namespace tarnwick {

namespace {

std::string Trim(const std::string& s) {
    std::size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
    return s.substr(a, b - a);
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) { Load(); }

void IniFile::Load() {
    const auto text = ReadRegularFile(path_, MaxSettingsFileSize);
    if (!text) return;
    // An editor may have put a UTF-8 byte-order mark in front.
    std::size_t at = text->compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    std::string section;
    while (at < text->size()) {
        const std::size_t end = std::min(text->find('\n', at), text->size());
        std::string line = text->substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string t = Trim(line);
        if (t.empty() || t[0] == ';') continue;
        if (t.front() == '[' && t.back() == ']') {
            section = Trim(t.substr(1, t.size() - 2));
            entries_.push_back({section, "", ""});
            continue;
        }
        const auto eq = t.find('=');
        if (eq == std::string::npos || section.empty()) continue;
        entries_.push_back({section, Trim(t.substr(0, eq)), Trim(t.substr(eq + 1))});
    }
}

const IniFile::Entry* IniFile::Find(const std::string& section, const std::string& key) const {
    for (const auto& e : entries_)
        if (!e.key.empty() && SameName(e.section, section) && SameName(e.key, key)) return &e;
    return nullptr;
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const {
    const Entry* e = Find(section, key);
    if (!e || e->value.empty()) return fallback;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(e->value.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < INT_MIN || v > INT_MAX) return fallback;
    return static_cast<int>(v);
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
    const Entry* e = Find(section, key);
    return e ? e->value : fallback;
}

bool IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    // A value is one line: a line break in it would break the file.
    std::string clean = value;
    std::replace(clean.begin(), clean.end(), '\n', ' ');
    std::replace(clean.begin(), clean.end(), '\r', ' ');
    for (auto& e : entries_) {
        if (!e.key.empty() && SameName(e.section, section) && SameName(e.key, key)) {
            e.value = clean;
            return Save();
        }
    }
    // New key: after the last entry of its section, or in a new section.
    auto last = entries_.end();
    for (auto it = entries_.begin(); it != entries_.end(); ++it)
        if (SameName(it->section, section)) last = it;
    if (last == entries_.end()) {
        entries_.push_back({section, "", ""});
        entries_.push_back({section, key, clean});
    } else {
        entries_.insert(last + 1, {section, key, clean});
    }
    return Save();
}

bool IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

bool IniFile::Save() const {
    std::ostringstream text;
    bool first = true;
    for (const auto& e : entries_) {
        if (e.key.empty()) {
            if (!first) text << "\n";
            text << "[" << e.section << "]\n";
        } else {
            text << e.key << "=" << e.value << "\n";
        }
        first = false;
    }
    return ReplaceRegularFile(path_, text.str());
}

}  // namespace tarnwick
