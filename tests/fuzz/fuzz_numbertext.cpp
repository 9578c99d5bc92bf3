// Any double shown, stored and rounded: no text holds "nan" or "inf", a stored number reads back
// to itself within its fifteen digits, the shown text differs from the stored one only by the
// decimal comma, and rounding to n decimals moves a number by at most half a unit of the last.
#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"
#include "calc/common/valueparse.h"

#include <QLocale>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

bool holdsNonFinite(const QString& text)
{
    return text.contains(QLatin1StringView("nan"), Qt::CaseInsensitive)
           || text.contains(QLatin1StringView("inf"), Qt::CaseInsensitive);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < sizeof(double))
        return 0;
    static const bool russian = [] {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        return true;
    }();
    (void)russian;
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    const int decimals = size > sizeof x ? int(data[sizeof x] % 41) - 20 : 3;

    for (const double value : {x, calc::roundHalfEven(x, decimals)}) {
        const QString shown = calc::numberText(value);
        const QString stored = calc::storedNumberText(value);
        require(!holdsNonFinite(shown) && !holdsNonFinite(stored), "a text holds nan or inf");
        require(shown.count(u',') <= 1 && !shown.contains(u'.'), "shown text has a group or a point");
        require(QString(shown).replace(u',', u'.') == stored, "shown and stored texts differ");
        if (!std::isfinite(value)) {
            require(shown.isEmpty(), "a non-finite number shows text");
            continue;
        }
        const double back = calc::parseValue(stored);
        // Fifteen digits of the very largest doubles round up past the largest one.
        if (std::isinf(back) && std::fabs(value) >= 1.797693134862315e308)
            continue;
        require(std::fabs(back - value) <= std::max(std::fabs(value) * 1e-14, 1e-323), "stored text reads back wrong");
    }

    const double rounded = calc::roundHalfEven(x, decimals);
    if (std::isnan(x)) {
        require(std::isnan(rounded), "rounding made a number of NaN");
        return 0;
    }
    require(std::isfinite(rounded) == std::isfinite(x), "rounding changed finiteness");
    if (std::isfinite(x)) {
        const double unit = std::pow(10.0, -decimals);
        require(std::fabs(rounded - x) <= 0.5 * unit * (1 + 1e-12) + std::fabs(x) * 1e-15, "rounding moved too far");
    }
    return 0;
}
