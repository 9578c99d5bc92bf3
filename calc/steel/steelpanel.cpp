#include "calc/steel/steelpanel.h"

#include "calc/common/messages.h"

namespace calc::steel {

QString inputErrorText(Check check)
{
    switch (check) {
    case Check::FlowZero:
        return messages::flowZero;
    case Check::NoSizeChosen:
        return messages::noDiameterChosen;
    case Check::NoWallChosen:
        return messages::noWallChosen;
    case Check::DiameterZero:
        return messages::calculationDiameterZero;
    case Check::TemperatureMissing:
        return messages::noTemperature;
    case Check::LengthZero:
        return messages::sectionLengthZero;
    case Check::ViscosityMissing:
    case Check::DensityMissing:
    case Check::NotComputable:
        break;
    }
    return messages::notComputable;
}

}  // namespace calc::steel
