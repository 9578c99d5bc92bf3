#include "help/helppage.h"

#include "widgets/clickablelabel.h"
#include "help/notelabel.h"
#include "widgets/screenfit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <QVBoxLayout>

namespace help {
namespace {
constexpr int legendSymbolWidth = 44;
constexpr int legendSpacing = 6;
constexpr int asideGap = 3;
}

HelpPage::HelpPage(const QString& name, const QString& title)
{
    setObjectName(name);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    QFont text = font();
    text.setPointSizeF(textPointSize);
    setFont(text);
    // The page scrolls only where it is taller or wider than the screen.
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    auto* area = new QScrollArea(this);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto* page = new QWidget;
    column = new QVBoxLayout(page);
    column->setContentsMargins(12, 10, 12, 12);
    column->setSpacing(6);
    area->setWidget(page);
    frame->addWidget(area);
    widgets::fitToScreen(this, area);
}

QLabel* HelpPage::addLine(const QString& text)
{
    auto* line = new QLabel(text, this);
    line->setFixedWidth(contentWidth);
    line->setWordWrap(true);
    column->addWidget(line);
    return line;
}

formula::FormulaView* HelpPage::addFormula(formula::Part formula, int indent)
{
    auto* view = new formula::FormulaView(std::move(formula), this);
    auto* line = new QHBoxLayout;
    line->addSpacing(indent);
    line->addWidget(view);
    line->addStretch();
    column->addLayout(line);
    return view;
}

QLabel* HelpPage::addLegend(const QString& symbol, const QString& meaning, const QString& aside)
{
    auto* symbolLabel = new QLabel(symbol, this);
    symbolLabel->setMinimumWidth(legendSymbolWidth);
    auto* meaningNote = new NoteLabel(meaning, contentWidth - legendSymbolWidth - legendSpacing, this);
    if (!aside.isEmpty())
        meaningNote->placeAfter(new QLabel(aside), meaning.endsWith(QLatin1Char(' ')) ? 0 : asideGap);
    auto* line = new QHBoxLayout;
    line->setSpacing(legendSpacing);
    line->addWidget(symbolLabel, 0, Qt::AlignTop);
    line->addWidget(meaningNote, 0, Qt::AlignTop);
    column->addLayout(line);
    return symbolLabel;
}

NoteLabel* HelpPage::addNote(const QString& text)
{
    auto* note = new NoteLabel(text, contentWidth, this);
    column->addWidget(note);
    return note;
}

void HelpPage::addSpace(int height) { column->addSpacing(height); }

void HelpPage::ignoreClicks(QWidget* widget) { inertWidgets.append(widget); }

bool HelpPage::closesAt(QPoint point) const
{
    const QWidget* target = childAt(point);
    if (!target)
        return true;
    if (qobject_cast<const ClickableLabel*>(target) || inertWidgets.contains(target))
        return false;
    if (auto* view = qobject_cast<const formula::FormulaView*>(target))
        return view->reactsAt(view->mapFrom(this, point));
    return true;
}

void HelpPage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HelpPage::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton && rect().contains(point) && closesAt(point))
        close();
}

}  // namespace help
