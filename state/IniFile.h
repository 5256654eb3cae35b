// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small settings file of sections and keys, "key=value" per line.
// Unknown sections and keys are kept as they were when the file is written.
// A file that cannot be read (missing, no regular file, larger than
// MaxSettingsFileSize) reads as empty: every value has its default.
#include <cstddef>
#include <string>
#include <vector>

namespace tarnwick {

constexpr std::size_t MaxSettingsFileSize = 1024 * 1024;

class IniFile {
public:
    explicit IniFile(std::string path);

    const std::string& Path() const { return path_; }
    int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
    bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback) const;

    // Each write goes to the file at once; returns whether it was written.
    bool WriteInteger(const std::string& section, const std::string& key, int value);
    bool WriteBool(const std::string& section, const std::string& key, bool value);
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);

private:
    struct Entry {
        std::string section, key, value;
    };
    const Entry* Find(const std::string& section, const std::string& key) const;
    void Load();
    bool Save() const;

    std::string path_;
    std::vector<Entry> entries_;  // in file order; key empty for a bare section
};

}  // namespace tarnwick
