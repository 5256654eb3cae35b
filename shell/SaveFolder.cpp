#include "shell/SaveFolder.h"

#include <QDir>

#include "platform/System.h"
#include "shell/GameState.h"

namespace tarnwick {

std::string SaveFolder(bool make) {
    if (CanWriteFolder(ProgramDir)) return ProgramDir;
    const std::string own = UserDataFolder();
    if (make) QDir().mkpath(QString::fromStdString(own));
    return own;
}

}  // namespace tarnwick
