#include "calc/screen/rememberedlimits.h"

#include "calc/common/numbertext.h"

#include <QSettings>

namespace calc {
namespace {
const QString waterVelocityKey = QStringLiteral("sizeSelection/waterSupply/velocityLimit");
const QString heatingVelocityKey = QStringLiteral("sizeSelection/heating/velocityLimit");
const QString heatingLossKey = QStringLiteral("sizeSelection/heating/pressureLossLimit");

double remembered(const QSettings& settings, const QString& key, double fallback)
{
    return typedLimit(settings.value(key).toString()).value_or(fallback);
}
}  // namespace

DesignLimits rememberedLimits(bool heating)
{
    const DesignLimits defaults = defaultLimits(heating);
    const QSettings settings;
    DesignLimits limits{remembered(settings, heating ? heatingVelocityKey : waterVelocityKey, defaults.velocity), {}};
    if (heating)
        limits.pressureLoss = remembered(settings, heatingLossKey, *defaults.pressureLoss);
    return limits;
}

void rememberVelocityLimit(bool heating, double velocity)
{
    QSettings().setValue(heating ? heatingVelocityKey : waterVelocityKey, storedNumberText(velocity));
}

void rememberPressureLossLimit(double pressureLoss)
{
    QSettings().setValue(heatingLossKey, storedNumberText(pressureLoss));
}

}  // namespace calc
