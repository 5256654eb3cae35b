// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageFiles.h"

namespace kit {

bool saveBmp(const QImage &img, const QString &path) {
    return img.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

bool savePng(const QImage &img, const QString &path) { return img.save(path, "PNG"); }

}  // namespace kit
