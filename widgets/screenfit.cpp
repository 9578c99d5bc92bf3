#include "widgets/screenfit.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace widgets {
namespace {

// A window cannot measure its title bar before it is on the screen.
constexpr int titleBarAllowance = 32;

// The gaps a crowded window closes up to, a step at a time.
constexpr int closerGaps[] = {6, 5, 4, 3, 2, 1};

bool runsAlong(const QBoxLayout* box, Qt::Orientation orientation)
{
    const bool across = box->direction() == QBoxLayout::LeftToRight || box->direction() == QBoxLayout::RightToLeft;
    return across == (orientation == Qt::Horizontal);
}

// The spacing between a layout's items in one direction; none where its items do not follow one
// another that way.
std::optional<int> spacing(const QLayout* layout, Qt::Orientation orientation)
{
    if (auto* grid = qobject_cast<const QGridLayout*>(layout))
        return orientation == Qt::Horizontal ? grid->horizontalSpacing() : grid->verticalSpacing();
    if (auto* box = qobject_cast<const QBoxLayout*>(layout); box && runsAlong(box, orientation))
        return box->spacing();
    return std::nullopt;
}

void setSpacing(QLayout* layout, Qt::Orientation orientation, int value)
{
    if (auto* grid = qobject_cast<QGridLayout*>(layout))
        orientation == Qt::Horizontal ? grid->setHorizontalSpacing(value) : grid->setVerticalSpacing(value);
    else
        layout->setSpacing(value);
}

// The spacings and margins of every layout in a widget, as they were, closed up along one
// direction. A layout without a spacing of its own takes its parent layout's, so every spacing is
// first made the layout's own: closing up one direction of a grid leaves the rows or columns
// nested in it as they were.
class Gaps {
public:
    Gaps(QWidget* root, Qt::Orientation orientation) : orientation(orientation)
    {
        for (QLayout* layout : root->findChildren<QLayout*>())
            gaps.push_back({layout, spacing(layout, Qt::Horizontal), spacing(layout, Qt::Vertical),
                            layout->contentsMargins()});
        restore();
    }

    void closeUpTo(int gap) const
    {
        for (const Gap& kept : gaps) {
            if (const std::optional<int> along = orientation == Qt::Horizontal ? kept.horizontal : kept.vertical)
                setSpacing(kept.layout, orientation, *along < 0 ? gap : std::min(*along, gap));
            QMargins margins = kept.margins;
            if (orientation == Qt::Horizontal) {
                margins.setLeft(std::min(margins.left(), gap));
                margins.setRight(std::min(margins.right(), gap));
            } else {
                margins.setTop(std::min(margins.top(), gap));
                margins.setBottom(std::min(margins.bottom(), gap));
            }
            kept.layout->setContentsMargins(margins);
        }
    }

    void restore() const
    {
        for (const Gap& kept : gaps) {
            if (kept.horizontal)
                setSpacing(kept.layout, Qt::Horizontal, *kept.horizontal);
            if (kept.vertical)
                setSpacing(kept.layout, Qt::Vertical, *kept.vertical);
            kept.layout->setContentsMargins(kept.margins);
        }
    }

private:
    struct Gap {
        QPointer<QLayout> layout;
        std::optional<int> horizontal;
        std::optional<int> vertical;
        QMargins margins;
    };
    Qt::Orientation orientation;
    std::vector<Gap> gaps;
};

// Layouts and the widgets they hold keep their sizes until told that they changed.
void forgetSizes(QWidget* root)
{
    for (QLayout* layout : root->findChildren<QLayout*>())
        layout->invalidate();
    for (QWidget* widget : root->findChildren<QWidget*>())
        widget->updateGeometry();
}

// Closes up the gaps of a widget's layouts along one direction until `fits` holds. Where even the
// closest gaps do not make it fit, they are given back and the answer is false.
bool closeUp(QWidget* root, Qt::Orientation orientation, const std::function<bool()>& fits)
{
    if (fits())
        return true;
    const Gaps gaps(root, orientation);
    for (int gap : closerGaps) {
        gaps.closeUpTo(gap);
        forgetSizes(root);
        if (fits())
            return true;
    }
    gaps.restore();
    forgetSizes(root);
    return false;
}

// Runs its fitting once, when its window is first shown: only then do the layouts know every
// caption and list item that the screen set after building its form.
class FitOnShow : public QObject {
public:
    FitOnShow(QWidget* window, std::function<void()> fit) : QObject(window), fit(std::move(fit))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            fit();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> fit;
};

void fitWindow(QWidget* window)
{
    QLayout* layout = window->layout();
    const QSize room = screenRoom(window);
    if (!layout || (window->sizeHint().height() <= room.height() && window->sizeHint().width() <= room.width()))
        return;
    closeUp(window, Qt::Vertical, [&] { return window->sizeHint().height() <= room.height(); });
    closeUp(window, Qt::Horizontal, [&] { return window->sizeHint().width() <= room.width(); });
    layout->activate();
    window->resize(window->sizeHint());
}

// Moves the buttons into a row of their own under the rest of the window; returns the height the
// row takes.
int pinButtons(QWidget* window, const QList<QWidget*>& leftButtons, const QList<QWidget*>& rightButtons)
{
    auto* column = qobject_cast<QBoxLayout*>(window->layout());
    if (!column || (leftButtons.isEmpty() && rightButtons.isEmpty()))
        return 0;
    auto* row = new QHBoxLayout;
    const int margin = window->style()->pixelMetric(QStyle::PM_LayoutBottomMargin, nullptr, window);
    row->setContentsMargins(margin, 0, margin, margin);
    column->addLayout(row);
    // A widget given a new parent is hidden; the focus chain of its window stays as it was.
    const auto move = [row, window](QWidget* button) {
        const bool shown = button->isVisibleTo(window);
        row->addWidget(button);
        button->setVisible(shown);
    };
    for (QWidget* button : leftButtons)
        move(button);
    row->addStretch();
    for (QWidget* button : rightButtons)
        move(button);
    forgetSizes(window);
    return row->sizeHint().height() + std::max(column->spacing(), 0);
}

void fitScrolledWindow(QWidget* window, QScrollArea* area, const QList<QWidget*>& leftButtons,
                       const QList<QWidget*>& rightButtons)
{
    QWidget* contents = area->widget();
    const QSize room = screenRoom(window);
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    const bool fitsHeight = closeUp(contents, Qt::Vertical, [&] { return contents->sizeHint().height() <= room.height(); });
    const bool fitsWidth = closeUp(contents, Qt::Horizontal, [&] {
        return contents->sizeHint().width() + (fitsHeight ? 0 : bar) <= room.width();
    });
    int buttonRow = 0;
    if (!fitsHeight || !fitsWidth)
        buttonRow = pinButtons(window, leftButtons, rightButtons);
    const QSize free(room.width(), room.height() - buttonRow);
    QSize size = contents->sizeHint();
    if (size.height() > free.height())
        size.rwidth() += bar;
    if (size.width() > free.width())
        size.rheight() += bar;
    size = size.boundedTo(free);
    window->resize(size.width(), size.height() + buttonRow);
}

}  // namespace

QSize screenRoom(const QWidget* window)
{
    const QRect free = window->screen()->availableGeometry();
    return {free.width(), free.height() - titleBarAllowance};
}

void fitToScreen(QWidget* window)
{
    new FitOnShow(window, [window] { fitWindow(window); });
}

void fitToScreen(QWidget* window, QScrollArea* area, const QList<QWidget*>& leftButtons,
                 const QList<QWidget*>& rightButtons)
{
    new FitOnShow(window, [=] { fitScrolledWindow(window, area, leftButtons, rightButtons); });
}

}  // namespace widgets
