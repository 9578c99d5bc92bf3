// Any bytes read as a typed or pasted text: the parse never gives NaN, ignores blanks wherever they
// stand, and reads a number written in its syntax as the C library reads it, however many digits
// it has and however far out of range it lies.
#include "calc/common/valueparse.h"

#include <QString>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

bool sameNumber(double a, double b)
{
    if (a == b)
        return true;
    // A number too small even for a subnormal double may read as 0.
    if (std::fabs(b) < 2.3e-308 && a == 0.0)
        return true;
    return std::nextafter(a, b) == b;
}

// Builds a number in the parse's syntax from the bytes, with blanks sprinkled in, and its plain form.
void numberFromBytes(const uint8_t* data, size_t size, QString& written, std::string& plain)
{
    size_t k = 0;
    auto next = [&]() -> int { return k < size ? data[k++] : -1; };
    const int head = next();
    if (head < 0)
        return;
    auto blank = [&] {
        const int b = next();
        if (b >= 0 && b % 7 == 0)
            written += QStringLiteral(" \t\n").at(b % 3);
    };
    if (head & 1) {
        const char sign = head & 2 ? '-' : '+';
        written += QLatin1Char(sign);
        plain += sign;
    }
    auto digits = [&](int count) {
        for (int i = 0; i < count; ++i) {
            const int b = next();
            if (b < 0)
                break;
            // High bytes repeat their digit, so that runs of hundreds of zeros or nines occur.
            const char digit = char('0' + b % 10);
            const int repeat = b >= 200 ? (b - 199) * 8 : 1;
            written += QString(repeat, QLatin1Char(digit));
            plain.append(std::size_t(repeat), digit);
            blank();
        }
    };
    const int integerCount = next();
    digits(integerCount < 0 ? 1 : integerCount % 64 == 0 ? integerCount * 3 : integerCount % 40);
    if (head & 4) {
        written += QLatin1Char('.');
        plain += '.';
        const int fractionCount = next();
        digits(fractionCount < 0 ? 0 : fractionCount % 64 == 0 ? fractionCount * 3 : fractionCount % 40);
    }
    if (head & 8) {
        written += QLatin1Char("eEdD"[(head >> 4) & 3]);
        plain += 'e';
        if (head & 64) {
            const char sign = head & 128 ? '-' : '+';
            written += QLatin1Char(sign);
            plain += sign;
        }
        const int exponentCount = next();
        digits(exponentCount < 0 ? 1 : exponentCount % 12);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = calc::parseValue(text);
    require(!std::isnan(value), "parse gave NaN");
    QString withoutBlanks = text;
    withoutBlanks.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
    require(calc::parseValue(withoutBlanks) == value, "blanks changed the number");

    QString written;
    std::string plain;
    numberFromBytes(data, size, written, plain);
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const bool hasDigit = plain.find_first_of("0123456789") < plain.find('e');
    if (hasDigit) {
        // An exponent letter with no digits after it is not part of the number.
        if (!plain.empty() && (plain.back() == 'e' || plain.back() == '+' || plain.back() == '-')
            && plain.find('e') != std::string::npos)
            plain.erase(plain.find('e'));
        const double expected = strtod_l(plain.c_str(), nullptr, cLocale);
        require(sameNumber(calc::parseValue(written), expected), "number read unlike the C library");
    }
    return 0;
}
