#include "calc/castiron_cement/castiron.h"

#include "calc/common/valueparse.h"

#include <cmath>

namespace calc::castiron {
namespace {

constexpr Pipe catalog[] = {
    {50, PipeClass::LA, "52,6", "51,6"},       {80, PipeClass::LA, "83,6", "82,6"},
    {100, PipeClass::LA, "103", "102"},        {125, PipeClass::LA, "128,2", "127,2"},
    {150, PipeClass::LA, "153,4", "152,4"},    {200, PipeClass::LA, "203,6", "202,6"},
    {250, PipeClass::LA, "254,0", "253,0"},    {300, PipeClass::LA, "304,4", "304,4"},
    {350, PipeClass::A, "352,4", "352,4"},     {400, PipeClass::A, "401,4", "401,4"},
    {450, PipeClass::A, "450,6", "450,6"},     {500, PipeClass::A, "500,8", "500,8"},
    {600, PipeClass::A, "600,2", "600,2"},     {700, PipeClass::A, "699,4", "699,4"},
    {800, PipeClass::A, "799,8", "799,8"},     {900, PipeClass::A, "899,2", "899,2"},
    {1000, PipeClass::A, "998,4", "998,4"},    {1200, PipeClass::A, "1199,2", "1199,2"},
};

constexpr EconomicBand ranges[] = {
    {50, 0.45, 2.4},   {80, 2.4, 5.9},     {100, 5.9, 9.4},   {125, 9.4, 14.75}, {150, 14.75, 24.5},
    {200, 24.5, 44},   {250, 44, 74},      {300, 74, 108},    {350, 108, 148},   {400, 148, 198},
    {450, 198, 258},   {500, 258, 356},    {600, 356, 540},   {700, 540, 740},   {800, 740, 970},
    {900, 970, 1280},  {1000, 1280, 1740}, {1200, 1740, 3400},
};

// The tooltips write millimetres with a comma whatever the locale.
double millimetres(const char* text) { return parseValue(QString::fromLatin1(text).replace(u',', u'.')); }

}  // namespace

QStringList sizes(PipeClass pipeClass)
{
    QStringList result;
    for (const Pipe& pipe : catalog)
        if (pipe.pipeClass == pipeClass)
            result << QString::number(pipe.size);
    return result;
}

const Pipe* findPipe(double size)
{
    for (const Pipe& pipe : catalog)
        if (pipe.size == size)
            return &pipe;
    return nullptr;
}

double calculationDiameter(const Pipe& pipe, Condition condition)
{
    return millimetres(condition == Condition::New ? pipe.inner : pipe.nonNewCalculation);
}

QString diameterTooltip(const Pipe& pipe, Condition condition)
{
    const QString size = QString::number(pipe.size);
    const QString inner = QString::fromLatin1(pipe.inner);
    if (condition == Condition::New)
        return QStringLiteral("условный проход d=%1мм; внутренний диаметр dв=%2мм; трубы новые").arg(size, inner);
    if (pipe.size < 300)
        return QStringLiteral("условный проход d=%1мм; внутренний диаметр dв=%2мм; расчетный внутренний диаметр dр=%3мм")
            .arg(size, inner, QString::fromLatin1(pipe.nonNewCalculation));
    return QStringLiteral("условный проход d=%1мм; внутренний диаметр равен расчетному dв=dp=%2мм").arg(size, inner);
}

double newPipeLambda(double dp, double v) { return 0.0144 / std::pow(dp, 0.284) * std::pow(1.0 + 2.36 / v, 0.284); }

bool fastFormula(double v) { return v >= 1.2; }

double slope(double v, double dp, Condition condition)
{
    if (condition == Condition::New)
        return newPipeLambda(dp, v) / dp * v * v / 19.62;
    if (fastFormula(v))
        return 0.00107 * v * v / std::pow(dp, 1.3);
    return 0.000912 * v * v / std::pow(dp, 1.3) * std::pow(1.0 + 0.867 / v, 0.3);
}

EconomicTable economicTable() { return {ranges, BoundRule::LowerIncluded}; }

}  // namespace calc::castiron
