#include "widgets/diameterswitch.h"

#include "platform/palette.h"

#include <QComboBox>
#include <QLineEdit>

namespace widgets {

void DiameterSwitch::enterTypedDiameterMode() const
{
    diameter->setEnabled(true);
    if (!keepsTypedValue)
        diameter->clear();
    for (auto* list : lists) {
        if (!keepsTypedValue)
            list->clear();
        list->setEnabled(false);
    }
    for (auto* caption : catalogCaptions)
        platform::setCaptionColour(caption, platform::Grey);
    for (auto* caption : typedCaptions)
        platform::setCaptionColour(caption, platform::Black);
    for (auto* control : catalogOnly)
        control->setEnabled(false);
}

void DiameterSwitch::returnToCatalog() const
{
    diameter->setEnabled(false);
    if (!keepsTypedValue)
        diameter->clear();
    for (auto* list : lists)
        list->setEnabled(true);
    for (auto* caption : catalogCaptions)
        platform::setCaptionColour(caption, platform::Black);
    for (auto* caption : typedCaptions)
        platform::setCaptionColour(caption, platform::Grey);
    for (auto* control : catalogOnly)
        control->setEnabled(true);
}

}  // namespace widgets
