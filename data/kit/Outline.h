// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A closed outline through the given corners, in order.
#include <QPainterPath>
#include <QPointF>
#include <initializer_list>

namespace kit {

QPainterPath outline(std::initializer_list<QPointF> corners);

}  // namespace kit
