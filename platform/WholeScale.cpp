// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WholeScale.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tarnwick {

std::string WholeScaleFactor(const std::string& factor) {
    if (factor.empty()) return factor;
    char* end = nullptr;
    const double value = std::strtod(factor.c_str(), &end);
    if (end == factor.c_str() || *end != '\0' || !std::isfinite(value) || value <= 0) return factor;
    // Halves round up: 1.5 becomes 2, so the pictures grow rather than shrink.
    const long whole = std::max(1L, std::lround(std::min(value, 64.0)));
    return std::to_string(whole);
}

std::string WholeScreenScaleFactors(const std::string& factors) {
    std::string result;
    std::size_t start = 0;
    while (start <= factors.size()) {
        const std::size_t stop = std::min(factors.find_first_of(";,", start), factors.size());
        const std::string entry = factors.substr(start, stop - start);
        const std::size_t equals = entry.rfind('=');
        if (equals == std::string::npos)
            result += WholeScaleFactor(entry);
        else
            result += entry.substr(0, equals + 1) + WholeScaleFactor(entry.substr(equals + 1));
        if (stop == factors.size()) break;
        result += factors[stop];
        start = stop + 1;
    }
    return result;
}

void UseWholeScaleFactors() {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // The policy covers the factor Qt works out from the screen; the ones a
    // user sets by hand are rounded here.
    qputenv("QT_SCALE_FACTOR_ROUNDING_POLICY", "Round");
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"}) {
        if (!qEnvironmentVariableIsSet(name)) continue;
        const std::string set = qgetenv(name).toStdString();
        const std::string whole = std::string(name) == "QT_SCALE_FACTOR" ? WholeScaleFactor(set)
                                                                          : WholeScreenScaleFactors(set);
        qputenv(name, QByteArray::fromStdString(whole));
    }
}

}  // namespace tarnwick
