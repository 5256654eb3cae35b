// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureFiles.h"

#include <QFile>

namespace datatest {

QString programFile(const QString &name) { return QString(PROGRAM_DIR) + name; }

QImage loadPicture(const QString &name) {
    return QImage(programFile(name)).convertToFormat(QImage::Format_RGB32);
}

int bmpBitsPerPixel(const QString &name) {
    QFile f(programFile(name));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = f.read(30);
    if (head.size() < 30 || !head.startsWith("BM"))
        return -1;
    return static_cast<unsigned char>(head[28]) | (static_cast<unsigned char>(head[29]) << 8);
}

double luma(QRgb p) { return 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p); }

double meanLuminance(const QImage &img, const QRect &area) {
    double sum = 0;
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            sum += luma(img.pixel(x, y));
            ++n;
        }
    return n ? sum / n : 0;
}

}  // namespace datatest
