// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SaveFolder.h"

#include <QDir>

#include "platform/System.h"

namespace tarnwick {

std::string SaveFolder(const std::string& programDir, bool make) {
    if (CanWriteFolder(programDir)) return programDir;
    const std::string own = UserDataFolder();
    if (make) QDir().mkpath(QString::fromStdString(own));
    return own;
}

}  // namespace tarnwick
