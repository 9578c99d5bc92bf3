#include "calc/carrier/typednumber.h"

#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"
#include "calc/common/valueparse.h"

#include <QRegularExpression>
#include <cmath>

namespace calc::carrier {

std::variant<double, QString> readNumber(const QString& text, const NumberField& field)
{
    QString typed = text.trimmed();
    if (typed.isEmpty())
        return QStringLiteral("Введите ") + field.asked;
    static const QRegularExpression number(QStringLiteral("^[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)$"));
    if (!number.match(typed).hasMatch())
        return field.caption + QStringLiteral(": «") + typed + QStringLiteral("» не число");
    typed.replace(QLatin1Char(','), QLatin1Char('.'));
    return parseValue(typed);
}

std::variant<double, QString> readField(const QString& text, const NumberField& field)
{
    const auto typed = readNumber(text, field);
    if (std::holds_alternative<QString>(typed))
        return typed;
    const double value = std::get<double>(typed);
    if (value < field.min || value > field.max)
        return field.caption + QStringLiteral(" должна быть от ") + numberText(field.min) + QStringLiteral(" до ")
               + numberText(field.max) + QLatin1Char(' ') + field.unit;
    return value;
}

double roundedToDecimals(double value, int decimals) { return roundHalfEven(value, decimals); }

double roundedToSignificant(double value, int digits)
{
    if (value == 0 || !std::isfinite(value))
        return value;
    const int decimals = digits - 1 - static_cast<int>(std::floor(std::log10(std::abs(value))));
    return roundHalfEven(value, std::max(decimals, 0));
}

}  // namespace calc::carrier
