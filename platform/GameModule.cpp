// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GameModule.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>
#include <cstring>
#include <link.h>

// The installed module folder, relative to the program's folder.
#ifndef TARNWICK_MODULES_FROM_BIN
#error "TARNWICK_MODULES_FROM_BIN must name the module folder relative to the program's"
#endif

namespace tarnwick {

namespace {

QString moduleFolder;

// Whether the file is a whole shared library of this machine's kind: the
// system loader maps a library cut short without complaint and then
// faults on the missing pages, so a damaged module is turned away here.
bool LooksWhole(const QString& file) {
    QFile module(file);
    if (!module.open(QIODevice::ReadOnly)) return false;
    const qint64 size = module.size();
    ElfW(Ehdr) header{};
    if (module.read(reinterpret_cast<char*>(&header), sizeof header) != sizeof header) return false;
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_type != ET_DYN ||
        header.e_phentsize != sizeof(ElfW(Phdr)) || header.e_phnum == 0)
        return false;
    const auto fits = [size](quint64 offset, quint64 length) {
        return offset <= quint64(size) && length <= quint64(size) - offset;
    };
    if (!fits(header.e_phoff, quint64(header.e_phnum) * header.e_phentsize) ||
        !fits(header.e_shoff, quint64(header.e_shnum) * header.e_shentsize))
        return false;
    for (int i = 0; i < header.e_phnum; ++i) {
        ElfW(Phdr) segment{};
        if (!module.seek(qint64(header.e_phoff) + i * qint64(sizeof segment)) ||
            module.read(reinterpret_cast<char*>(&segment), sizeof segment) != sizeof segment ||
            !fits(segment.p_offset, segment.p_filesz))
            return false;
    }
    return true;
}

QStringList Folders() {
    if (!moduleFolder.isEmpty()) return {moduleFolder};
    const QString program = QCoreApplication::applicationDirPath();
    return {program, program + "/" TARNWICK_MODULES_FROM_BIN};
}

}  // namespace

void SetGameModuleFolder(const QString& folder) { moduleFolder = folder; }

void* GameModuleSymbol(const char* name, const char* symbol) {
    for (const QString& folder : Folders()) {
        const QString file = folder + "/" + name + ".so";
        if (!QFileInfo(file).isFile() || !LooksWhole(file)) continue;
        // The library object may go; the module itself stays loaded.
        QLibrary module(file);
        if (!module.load()) continue;
        if (auto found = module.resolve(symbol)) return reinterpret_cast<void*>(found);
    }
    return nullptr;
}

}  // namespace tarnwick
