#include "widgets/screenfit.h"

#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

namespace widgets {
namespace {

// Sizes its window when it is first shown: only then do the layouts know every caption and list
// item that the screen set after building its form.
class ScreenFit : public QObject {
public:
    ScreenFit(QWidget* window, QScrollArea* area) : QObject(window), area(area) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            fit(static_cast<QWidget*>(watched));
            deleteLater();
        }
        return false;
    }

private:
    void fit(QWidget* window) const
    {
        // A window cannot measure its title bar before it is on the screen.
        constexpr int titleBarAllowance = 32;
        const QRect free = window->screen()->availableGeometry();
        const QSize room(free.width(), free.height() - titleBarAllowance);
        const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
        QSize size = area->widget()->sizeHint();
        if (size.height() > room.height())
            size.rwidth() += bar;
        if (size.width() > room.width())
            size.rheight() += bar;
        window->resize(size.boundedTo(room));
    }

    QScrollArea* area;
};

}  // namespace

void fitToScreen(QWidget* window, QScrollArea* area) { new ScreenFit(window, area); }

}  // namespace widgets
