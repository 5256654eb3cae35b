#include "PictureFiles.h"

#include <QColor>
#include <QFile>

namespace art_test {

QString programFile(const QString &name) { return QString(PROGRAM_DIR) + name; }

QImage loadPicture(const QString &name) { return QImage(programFile(name)); }

int bmpBitsPerPixel(const QString &name) {
    QFile f(programFile(name));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = f.read(30);
    if (head.size() < 30 || head[0] != 'B' || head[1] != 'M')
        return -1;
    return static_cast<unsigned char>(head[28]) | (static_cast<unsigned char>(head[29]) << 8);
}

double meanLuminance(const QImage &img, const QRect &area) {
    double sum = 0;
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            sum += 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
            ++n;
        }
    return n ? sum / n : 0;
}

}  // namespace art_test
