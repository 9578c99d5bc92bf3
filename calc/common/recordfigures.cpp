#include "calc/common/recordfigures.h"

#include "platform/localenumbers.h"

#include <cmath>

namespace calc::description {

namespace {

constexpr int fewestDigits = 4;
constexpr int mostDigits = 12;

QString superscript(int exponent)
{
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString text = exponent < 0 ? QStringLiteral("⁻") : QString();
    for (const QChar digit : QString::number(std::abs(exponent)))
        text += digits.at(digit.digitValue());
    return text;
}

// Fixed decimals, trailing zeros and a bare point dropped, the locale's separator.
QString plainText(double value, int decimals)
{
    QString text = QString::number(value, 'f', std::max(decimals, 0));
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text == QStringLiteral("-0"))
        text = QStringLiteral("0");
    return text.replace(u'.', platform::decimalSeparator());
}

// The pattern with %1, %2, … replaced by the texts in one pass; only ASCII digits number a
// place, so "%2²" is the second text squared.
QString filled(const QString& pattern, const QStringList& texts)
{
    QString text;
    for (qsizetype at = 0; at < pattern.size(); ++at) {
        const QChar c = pattern.at(at);
        if (c == u'%' && at + 1 < pattern.size() && pattern.at(at + 1) >= u'1' && pattern.at(at + 1) <= u'9') {
            const qsizetype place = pattern.at(at + 1).unicode() - u'1';
            if (place < texts.size()) {
                text += texts.at(place);
                ++at;
                continue;
            }
        }
        text += c;
    }
    return text;
}

// 0 for a value with no exponent (zero, or not finite), which callers have written already.
int decimalExponent(double value)
{
    return value == 0 || !std::isfinite(value) ? 0 : int(std::floor(std::log10(std::abs(value))));
}

// The value rounded to n significant digits, as its text reads back.
double roundedSignificant(double value, int digits)
{
    if (value == 0 || !std::isfinite(value))
        return value;
    const int exponent = decimalExponent(value);
    const double scale = std::pow(10.0, digits - 1 - exponent);
    if (std::isfinite(scale) && scale > 0)
        return std::nearbyint(value * scale) / scale;
    // A figure so small that its scale overflows is rounded by the C library's exponent form,
    // which holds even the smallest double's digits.
    return QString::number(value, 'e', digits - 1).toDouble();
}

}  // namespace

QString significantText(double value, int digits)
{
    if (!std::isfinite(value))
        return QStringLiteral("—");
    if (value == 0)
        return QStringLiteral("0");
    const double rounded = roundedSignificant(value, digits);
    if (rounded == 0 || !std::isfinite(rounded))
        return std::isfinite(rounded) ? QStringLiteral("0") : QStringLiteral("—");
    const int exponent = decimalExponent(rounded);
    if (exponent >= digits || exponent < -4) {
        const QString scientific = QString::number(rounded, 'e', digits - 1);  // "4.778e+04"
        const qsizetype e = scientific.indexOf(u'e');
        return plainText(scientific.left(e).toDouble(), digits - 1) + QStringLiteral("·10")
               + superscript(scientific.mid(e + 1).toInt());
    }
    return plainText(rounded, digits - 1 - exponent);
}

QString exactText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("—");
    if (value == 0)
        return QStringLiteral("0");
    // Fifteen significant digits hold every number typed or tabulated.
    return plainText(value, std::max(0, 14 - decimalExponent(value)));
}

Term figure(const QString& symbol) { return {symbol, 0, {}}; }
Term exact(double value) { return {{}, value, exactText(value)}; }
Term exact(double value, const QString& text) { return {{}, value, text}; }

void RecordLines::setFigure(const QString& symbol, double value) { values.insert(symbol, value); }

void RecordLines::text(const QString& line) { lines.append({line, {}, {}, {}}); }

void RecordLines::text(const QStringList& each)
{
    for (const QString& line : each)
        text(line);
}

void RecordLines::line(const QString& pattern, const QList<Term>& terms) { lines.append({pattern, terms, {}, {}}); }

void RecordLines::formula(const QString& pattern, const QList<Term>& inputs, const Formula& formula,
                          const QString& result)
{
    lines.append({pattern, inputs, formula, result});
}

QString RecordLines::termText(const Term& term, const Digits& digits, bool inFormula) const
{
    if (term.symbol.isEmpty())
        return term.text;
    // A figure in scientific form stands in brackets, so that "(7,96·10⁻⁵)²" squares all of it.
    const QString text = significantText(values.value(term.symbol), digits.value(term.symbol));
    return inFormula && text.contains(u'·') ? u'(' + text + u')' : text;
}

double RecordLines::termValue(const Term& term, const Digits& digits) const
{
    return term.symbol.isEmpty() ? term.value
                                 : roundedSignificant(values.value(term.symbol), digits.value(term.symbol));
}

QStringList RecordLines::written() const
{
    Digits digits;
    for (auto figure = values.cbegin(); figure != values.cend(); ++figure)
        digits.insert(figure.key(), fewestDigits);
    // A line whose result does not follow from its inputs as written takes a digit more of each
    // input, until every line agrees; a figure's digits only grow, so this ends.
    for (bool changed = true; changed;) {
        changed = false;
        for (const Line& line : lines) {
            if (!line.formula || !values.contains(line.result))
                continue;
            std::vector<double> inputs;
            for (const Term& term : line.terms)
                inputs.push_back(termValue(term, digits));
            const int resultDigits = digits.value(line.result);
            if (significantText(line.formula(inputs), resultDigits)
                == significantText(values.value(line.result), resultDigits))
                continue;
            for (const Term& term : line.terms)
                if (!term.symbol.isEmpty() && digits.value(term.symbol) < mostDigits) {
                    digits[term.symbol] += 1;
                    changed = true;
                }
        }
    }
    QStringList written;
    for (const Line& line : lines) {
        QStringList texts;
        for (const Term& term : line.terms)
            texts << termText(term, digits, bool(line.formula));
        if (line.formula)
            texts << significantText(values.value(line.result), digits.value(line.result));
        written << filled(line.pattern, texts);
    }
    return written;
}

}  // namespace calc::description
