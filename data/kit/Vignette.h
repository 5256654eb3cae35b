// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Darkening a picture towards its edges and corners.
#include <QImage>
#include <QRect>

namespace kit {

// strength 0 leaves the picture alone; the corners of `area` lose that
// fraction of their light.
void vignette(QImage &img, const QRect &area, double strength);

}  // namespace kit
