// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the generated pictures back from the program's folder for the
// checks on them.
#include <QImage>
#include <QRect>
#include <QString>

namespace datatest {

QString programFile(const QString &name);
QImage loadPicture(const QString &name);   // as RGB32; null when missing
int bmpBitsPerPixel(const QString &name);  // from the file header; -1 when unreadable
double luma(QRgb p);
double meanLuminance(const QImage &img, const QRect &area);

}  // namespace datatest
