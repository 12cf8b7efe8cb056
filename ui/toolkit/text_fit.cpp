#include "ui/toolkit/text_fit.h"

#include <algorithm>
#include <cmath>

namespace toolkit {

double fittedSize(const TextFit& fit, const MeasureText& measure) {
    const double width = measure(fit.given, false);
    if (fit.room <= 0 || std::ceil(width) <= fit.room) return fit.given;
    const bool floored = !fit.typedIn && fit.hasWidest && width > measure(fit.given, true);
    const double least = floored ? fit.step : std::max(fit.step, fit.given / 2);
    // Width grows about linearly with the size: start there and step down to a fit.
    const double target = std::max(1.0, measure(fit.given, floored));
    double size =
        std::min(fit.given, std::floor(fit.given * fit.room / target / fit.step) * fit.step);
    while (size - fit.step >= least && std::ceil(measure(size, floored)) > fit.room)
        size -= fit.step;
    return size;
}

}  // namespace toolkit
