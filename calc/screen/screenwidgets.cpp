#include "calc/screen/screenwidgets.h"

#include "calc/common/valueparse.h"
#include "calc/fixtures/fixturekinds.h"
#include "calc/screen/calculatoropeners.h"
#include "calc/screen/fixturestool.h"
#include "calc/screen/showncalculation.h"
#include "platform/palette.h"
#include "platform/pictures.h"
#include "widgets/clickablelabel.h"
#include "widgets/numericinput.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace calc {

void connectClassicButtons(QObject* context, const ClassicButtons& buttons, const ClassicActions& given)
{
    ClassicActions actions = given;
    if (ShownCalculation* shown = buttons.shown) {
        actions.mainClear = [shown, given] {
            given.mainClear();
            shown->forget();
        };
        actions.sectionClear = [shown, given] { shown->clearSection(given.sectionClear); };
    }
    for (auto* button : {buttons.find, buttons.calculate})
        platform::setButtonBackground(button, classicRunColour);
    for (auto* button : {buttons.mainClear, buttons.sectionClear})
        platform::setButtonBackground(button, classicClearColour);
    QObject::connect(buttons.find, &QAbstractButton::clicked, context, actions.find);
    QObject::connect(buttons.mainClear, &QAbstractButton::clicked, context, actions.mainClear);
    QObject::connect(buttons.calculate, &QAbstractButton::clicked, context, actions.calculate);
    QObject::connect(buttons.sectionClear, &QAbstractButton::clicked, context, actions.sectionClear);
    QObject::connect(buttons.flow, &NumericInput::enterPressed, context, actions.find);
    QObject::connect(buttons.flow, &NumericInput::blankTyped, context, actions.mainClear);
    QObject::connect(buttons.length, &NumericInput::enterPressed, context, actions.calculate);
    QObject::connect(buttons.length, &NumericInput::blankTyped, context, actions.sectionClear);
}

namespace {

void setupHelpButton(QAbstractButton* button, const TableRecord& record)
{
    button->setText(QString());
    button->setAccessibleName(QStringLiteral("Справка по формулам"));
    const QSize iconSize = button->size() * 0.8;
    button->setIcon(platform::svgIcon(QStringLiteral(":/pictures/help.svg"), iconSize));
    button->setIconSize(iconSize);
    QObject::connect(button, &QAbstractButton::clicked, button, [record] {
        if (const auto& open = calculatorOpeners().formulaHelp)
            open(record);
    });
}

}  // namespace

ShownCalculation* prepareCalculatorWindow(QWidget* window, const TableRecord& record, const TableWindowParts& parts)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(record.title);
    // Labels show typed and computed text: markup in it must appear as typed and load nothing.
    // Results can be selected and copied; document links keep their clicks.
    for (auto* label : window->findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
        if (!qobject_cast<ClickableLabel*>(label)) {
            // Ctrl+C needs keyboard selection; a click gives the focus, Tab passes results by.
            label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            label->setFocusPolicy(Qt::ClickFocus);
        }
    }
    setupHelpButton(parts.helpButton, record);
    QObject::connect(parts.selectSizeButton, &QAbstractButton::clicked, window, [window, record, parts] {
        const auto& open = calculatorOpeners().sizeSelection;
        if (!open)
            return;
        open(
            [record, parts] {
                CalculationRequest section{.table = record.number, .conditions = parts.sizeConditions()};
                if (parts.referenceCarrier)
                    section.carrier = parts.referenceCarrier();
                return SizeSelectionRequest{record, section, parts.flowInput->text()};
            },
            window);
    });
    chainToolButtons(parts.selectSizeButton, parts.reportButton, parts.addSectionButton, parts.helpButton);
    Q_ASSERT(parts.documentLinks.size() == record.documents.size());
    for (qsizetype k = 0; k < parts.documentLinks.size(); ++k)
        widgets::makeDocumentLink(parts.documentLinks.at(k), record.documents.at(k).file, parts.linkStyle);
    auto* shown = new ShownCalculation(parts.reportButton, parts.addSectionButton, window);
    shown->watchInputs(window);
    auto* fixtures = new FixturesTool(
        parts.fixturesButton, parts.flowInput, [parts] { return parts.sizeConditions().flow.unit; },
        [record, parts] { return calc::fixtures::systemWater(record, parts.sizeConditions().chosen); }, window);
    shown->takeFixturesFrom([fixtures] { return fixtures->stillApplied(); });
    QObject::connect(parts.reportButton, &QAbstractButton::clicked, shown, [record, shown] {
        const auto& open = calculatorOpeners().calculationRecord;
        if (shown->isShown() && open)
            open(record, shown->input());
    });
    return shown;
}

void fillList(QComboBox* list, const QStringList& items)
{
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(-1);
}

TypedFlow typedFlow(const QLineEdit* flow, const QRadioButton* litresPerSecond)
{
    return {parseValue(flow->text()),
            litresPerSecond->isChecked() ? FlowUnit::LitresPerSecond : FlowUnit::CubicMetresPerHour};
}

void chainToolButtons(QWidget* selectSize, QWidget* record, QWidget* addSection, QWidget* help)
{
    QWidget::setTabOrder(selectSize, record);
    QWidget::setTabOrder(record, addSection);
    QWidget::setTabOrder(addSection, help);
}

QString chosenSize(const QAbstractButton* otherDiameter, const QComboBox* list)
{
    return otherDiameter->isChecked() || list->currentIndex() < 0 ? QString() : list->currentText();
}

int choicePosition(const TableRecord& record, int condition, const ConditionChoices& earlier, double value)
{
    if (condition < 0 || condition >= record.conditions.size())
        return -1;
    const QStringList items = record.conditions.at(condition).choices(earlier);
    for (qsizetype k = 0; k < items.size(); ++k)
        if (parseValue(items.at(k)) == value)
            return int(k);
    return -1;
}

}  // namespace calc
