#include "widgets/toolwindow.h"

#include "platform/palette.h"
#include "widgets/escapecloses.h"

#include <QLabel>

namespace widgets {

void prepareToolWindow(QWidget* window, QLabel* message)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    closeOnEscape(window);
    for (auto* label : window->findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    platform::setCaptionColour(message, platform::LightRed);
    message->setMinimumWidth(message->fontMetrics().horizontalAdvance(QString(46, QLatin1Char('m'))));
}

}  // namespace widgets
