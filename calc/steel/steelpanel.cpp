#include "calc/steel/steelpanel.h"

#include "calc/common/messages.h"

namespace calc::steel {

namespace {

const QString pipeSeparator = QStringLiteral(" × ");

}  // namespace

QString inputErrorText(Check check) { return messages::inputError(check, messages::calculationDiameterZero); }

QStringList outerDiameters(const QList<CatalogSize>& sizes)
{
    QStringList outer;
    for (const CatalogSize& size : sizes) {
        const QString diameter = size.designation.section(pipeSeparator, 0, 0);
        if (outer.isEmpty() || outer.last() != diameter)
            outer << diameter;
    }
    return outer;
}

QStringList walls(const QList<CatalogSize>& sizes, const QString& outerDiameter)
{
    QStringList walls;
    for (const CatalogSize& size : sizes)
        if (size.designation.section(pipeSeparator, 0, 0) == outerDiameter)
            walls << size.designation.section(pipeSeparator, 1);
    return walls;
}

}  // namespace calc::steel
