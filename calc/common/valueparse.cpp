#include "calc/common/valueparse.h"

#include <QByteArray>
#include <cmath>
#include <cstdlib>

namespace calc {

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
    // Qt reports overflow and underflow as failures; keep their natural limits.
    const int e = number.indexOf('e');
    const bool negativeExponent = e >= 0 && number.mid(e + 1).startsWith('-');
    const bool negative = number.startsWith('-');
    if (negativeExponent)
        return negative ? -0.0 : 0.0;
    return negative ? -HUGE_VAL : HUGE_VAL;
}

}  // namespace calc
