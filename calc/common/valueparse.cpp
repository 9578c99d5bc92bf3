#include "calc/common/valueparse.h"

#include <QByteArray>
#include <cmath>
#include <cstdlib>

namespace calc {

namespace {

// The power of ten of the first non-zero digit of a number written as [sign]digits[.digits][e[sign]digits].
qint64 decimalExponent(const QByteArray& number)
{
    const qsizetype e = number.indexOf('e');
    const QByteArray mantissa = number.left(e < 0 ? number.size() : e);
    qint64 exponent = 0;
    if (e >= 0) {
        const bool negative = number.at(e + 1) == '-';
        // Saturated: beyond this no double can tell the difference.
        constexpr qint64 limit = 1'000'000'000;
        for (qsizetype k = e + 1; k < number.size(); ++k)
            if (number.at(k) >= '0' && number.at(k) <= '9')
                exponent = qMin(limit, exponent * 10 + (number.at(k) - '0'));
        if (negative)
            exponent = -exponent;
    }
    const qsizetype point = mantissa.indexOf('.');
    const qsizetype integerEnd = point < 0 ? mantissa.size() : point;
    for (qsizetype k = 0; k < mantissa.size(); ++k) {
        const char c = mantissa.at(k);
        if (c < '1' || c > '9')
            continue;
        return exponent + (k < integerEnd ? integerEnd - k - 1 : integerEnd - k);
    }
    return exponent;
}

}  // namespace

double parseValue(const QString& text)
{
    QByteArray number;
    int pos = 0;
    const int n = text.size();
    auto skipBlanks = [&] {
        while (pos < n && (text[pos] == u' ' || text[pos] == u'\t' || text[pos] == u'\n'))
            ++pos;
    };
    auto readDigits = [&] {
        int count = 0;
        for (skipBlanks(); pos < n && text[pos] >= u'0' && text[pos] <= u'9'; skipBlanks()) {
            number.append(char(text[pos].unicode()));
            ++pos;
            ++count;
        }
        return count;
    };

    skipBlanks();
    if (pos < n && (text[pos] == u'+' || text[pos] == u'-')) {
        number.append(char(text[pos].unicode()));
        ++pos;
    }
    int digits = readDigits();
    if (pos < n && text[pos] == u'.') {
        number.append('.');
        ++pos;
        digits += readDigits();
    }
    if (digits == 0)
        return 0.0;
    if (pos < n && QStringLiteral("EeDd").contains(text[pos])) {
        QByteArray exponent("e");
        ++pos;
        skipBlanks();
        if (pos < n && (text[pos] == u'+' || text[pos] == u'-')) {
            exponent.append(char(text[pos].unicode()));
            ++pos;
        }
        const QByteArray mantissa = number;
        if (readDigits() > 0)
            number = mantissa + exponent + number.mid(mantissa.size());
        else
            number = mantissa;
    }
    // strtod in the "C" numeric locale would depend on the process locale; Qt's parser does not.
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (ok)
        return value;
    // Qt reports overflow and underflow as failures; which of the two it was follows from the
    // decimal exponent of the leading digit, however the number is written.
    const bool negative = number.startsWith('-');
    return decimalExponent(number) < 0 ? (negative ? -0.0 : 0.0) : (negative ? -HUGE_VAL : HUGE_VAL);
}

}  // namespace calc
