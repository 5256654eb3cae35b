#pragma once
// Reading the generated pictures back for the checks.
#include <QImage>
#include <QRect>
#include <QString>

namespace art_test {

QString programFile(const QString &name);
QImage loadPicture(const QString &name);  // null when missing
int bmpBitsPerPixel(const QString &name); // -1 when unreadable
double meanLuminance(const QImage &img, const QRect &area);

}  // namespace art_test
