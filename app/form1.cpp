#include "app/form1.h"

#include "app/calculators.h"
#include "calc/registry/tables.h"
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
    // The material buttons above the picture buttons in the order of Tab.
    QWidget* previous = nullptr;
    for (const app::TableWindows& table : app::tableWindows()) {
        auto* button = new QPushButton(QString::fromUtf8(table.menuCaption), ui.Picture1);
        button->setObjectName(QStringLiteral("Command%1").arg(table.number));
        button->setMinimumHeight(40);
        ui.materialButtons->addWidget(button);
        if (previous)
            setTabOrder(previous, button);
        previous = button;
        const int index = int(calculators.size());
        calculators.push_back({button});
        connect(button, &QPushButton::clicked, this, [this, index] { openCalculator(index); });
    }
    // The picture buttons follow them: each in turn put right after the last material button, the
    // rightmost first (Qt keeps an order that already holds round the window).
    for (QWidget* picture : {static_cast<QWidget*>(ui.sectionsButton), static_cast<QWidget*>(ui.Command13),
                             static_cast<QWidget*>(ui.Command12)})
        setTabOrder(previous, picture);
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
    if (request.table < 1 || request.table > int(calculators.size()))
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
