#include "calc/screen/advicelabel.h"

#include "platform/palette.h"

#include <QLabel>

namespace calc {

void showAdvice(QLabel* label, const AdviceLabelWrites& writes)
{
    if (writes.colour)
        platform::setCaptionColour(label, platform::paletteColour(*writes.colour));
    if (writes.text)
        label->setText(*writes.text);
}

}  // namespace calc
