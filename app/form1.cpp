#include "app/form1.h"

#include "app/calculators.h"
#include "calc/screen/calculatorscreen.h"
#include "calc/screen/showncalculation.h"
#include "platform/messagebox.h"
#include "platform/palette.h"
#include "platform/pictures.h"
#include "widgets/screenfit.h"

#include <QCloseEvent>

namespace {
const QColor lastOpenedColour(255, 255, 192);

void bringForward(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    widgets::fitToScreen(this);
    setAttribute(Qt::WA_DeleteOnClose);
    const std::array<QPushButton*, calc::tableCount> buttons = {ui.Command1, ui.Command2, ui.Command3, ui.Command4,
                                                              ui.Command5, ui.Command6, ui.Command7, ui.Command8,
                                                              ui.Command9, ui.Command10, ui.Command11};
    for (int i = 0; i < calc::tableCount; ++i) {
        calculators[i].button = buttons[i];
        connect(buttons[i], &QPushButton::clicked, this, [this, i] { openCalculator(i); });
    }
    const QSize iconSize(34, 34);
    ui.Command12->setIcon(platform::svgIcon(QStringLiteral(":/pictures/help.svg"), iconSize));
    ui.Command13->setIcon(platform::svgIcon(QStringLiteral(":/pictures/info.svg"), iconSize));
    ui.sectionsButton->setIcon(platform::svgIcon(QStringLiteral(":/pictures/sections.svg"), iconSize));
    for (auto* button : {ui.Command12, ui.Command13, ui.sectionsButton})
        button->setIconSize(iconSize);
    connect(ui.Command12, &QPushButton::clicked, this,
            [this] { openWindow(reference, referenceOpened, createReference); });
    connect(ui.Command13, &QPushButton::clicked, this, [this] { openWindow(about, aboutOpened, createAbout); });
    connect(ui.sectionsButton, &QPushButton::clicked, this, &Form1::openSections);
}

frmuchastki* Form1::openSections()
{
    if (!sections)
        sections = new frmuchastki(
            [](int number) -> const calc::TableRecord* {
                return number >= 1 && number <= calc::tableCount ? &calc::table(number) : nullptr;
            },
            {[](int table) { return table >= 1 && table <= calc::tableCount; },
             [this](const calc::CalculationRequest& request, const report::OpenedRow& row) {
                 openWithRequest(request, row);
             }});
    bringForward(sections);
    return sections;
}

// The row's calculator, as its menu button opens it, with the row set on its controls and offering
// to put what it then shows in the row's place.
void Form1::openWithRequest(const calc::CalculationRequest& request, const report::OpenedRow& row)
{
    if (request.table < 1 || request.table > calc::tableCount)
        return;
    openCalculator(request.table - 1);
    QWidget* calculator = calculators[request.table - 1].window;
    if (!calculator)
        return;
    auto* screen = dynamic_cast<calc::CalculatorScreen*>(calculator);
    if (!screen || !screen->apply(request)) {
        platform::showInputError(calculator, QStringLiteral("Участок не удалось поставить на калькулятор: "
                                                            "его выбор не найден среди выбора таблицы II-%1")
                                                 .arg(request.table));
        return;
    }
    if (auto* shown = calculator->findChild<calc::ShownCalculation*>())
        shown->offerReplacement(row.number, [menu = QPointer<Form1>(this), replace = row.replace](const calc::CalculationRequest& section) {
            const bool replaced = replace(section);
            if (replaced && menu)
                menu->openSections();
            return replaced;
        });
}

void Form1::addSection(const calc::CalculationRequest& request) { openSections()->addSection(request); }

void Form1::openWindow(QPointer<QWidget>& window, bool& opened, QWidget* (*create)())
{
    if (!window)
        window = create();
    if (!window)
        return;
    bringForward(window);
    opened = true;
}

void Form1::openCalculator(int index)
{
    Calculator& chosen = calculators[index];
    if (!chosen.window) {
        chosen.window = createCalculator(index + 1);
        if (!chosen.window)
            return;  // not part of the program yet
        if (auto* shown = chosen.window->findChild<calc::ShownCalculation*>())
            connect(shown, &calc::ShownCalculation::sectionRequested, this, &Form1::addSection);
    }
    bringForward(chosen.window);
    chosen.opened = true;

    for (auto& calculator : calculators) {
        if (&calculator == &chosen)
            platform::setButtonBackground(calculator.button, lastOpenedColour);
        else
            platform::resetButtonBackground(calculator.button);
    }
    for (auto& calculator : calculators)
        if (&calculator != &chosen && calculator.opened && calculator.window)
            calculator.window->close();
}

void Form1::closeEvent(QCloseEvent* event)
{
    // The sections table may have unsaved changes; cancelling its question keeps the menu open.
    if (sections && !sections->close())
        return event->ignore();
    for (auto& calculator : calculators)
        if (calculator.opened && calculator.window)
            calculator.window->close();
    if (referenceOpened && reference)
        reference->close();
    if (aboutOpened && about)
        about->close();
    event->accept();
}
