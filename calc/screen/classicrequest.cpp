#include "calc/screen/classicrequest.h"

#include "calc/common/valueparse.h"
#include "calc/screen/fixturestool.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QWidget>

namespace calc::classic {

namespace {

const QString sizeSeparator = QStringLiteral(" × ");

// A number as a user types it, with every digit it has, so that it reads back as it was.
QString typedNumber(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); }

int itemPosition(const QComboBox* list, const QString& name)
{
    const int exact = list->findText(name);
    if (exact >= 0 || name.isEmpty())
        return exact;
    const double value = parseValue(name);
    for (int k = 0; k < list->count(); ++k)
        if (parseValue(list->itemText(k)) == value)
            return k;
    return -1;
}

// The flow in its unit, typed; the fixtures it was worked out from are the flow's again.
void setFlow(QWidget* window, const RequestControls& controls, const CalculationRequest& request)
{
    const TypedFlow& flow = request.conditions.flow;
    (flow.unit == FlowUnit::LitresPerSecond ? controls.litresPerSecond : controls.cubicMetresPerHour)->setChecked(true);
    controls.flow->setText(typedNumber(flow.value));
    if (auto* fixtures = window->findChild<FixturesTool*>())
        fixtures->holdFlowOf(request.fixtures);
}

}  // namespace

std::optional<double> typedLength(const QLineEdit* length)
{
    if (length->text().trimmed().isEmpty())
        return std::nullopt;
    return parseValue(length->text());
}

bool selectOption(const QList<QRadioButton*>& options, int position)
{
    if (position < 0)
        return true;
    if (position >= options.size())
        return false;
    QRadioButton* option = options.at(position);
    if (option->isChecked())
        return true;
    if (!option->isEnabled())
        return false;
    option->setChecked(true);
    return true;
}

bool chooseItem(const ChoiceList& list, const QString& name)
{
    const int position = itemPosition(list.list, name);
    if (position < 0)
        return false;
    list.list->setCurrentIndex(position);
    list.chosen();
    return true;
}

bool chooseCondition(const ChoiceList& list, const TableRecord& record, int condition, const ConditionChoices& chosen)
{
    const int position = choiceAt(chosen, condition);
    if (position < 0)
        return true;
    const QStringList items = record.conditions.value(condition).choices
                                  ? record.conditions.at(condition).choices(chosen.mid(0, condition))
                                  : QStringList();
    return position < items.size() && chooseItem(list, items.at(position));
}

bool setRequest(QWidget* window, const RequestControls& controls, const TableRecord& record,
                const CalculationRequest& request)
{
    if (request.table != record.number)
        return false;
    // The conditions are chosen with the catalog, where the screen offers all of them.
    if (controls.otherDiameter->isChecked())
        controls.otherDiameter->click();
    if (!controls.conditions(request.conditions.chosen))
        return false;
    if (request.size.isEmpty()) {
        controls.otherDiameter->click();
        controls.diameter->setText(typedNumber(request.diameterMm));
    } else {
        const QStringList names = request.size.split(sizeSeparator);
        if (names.size() != controls.sizeLists.size())
            return false;
        for (qsizetype k = 0; k < names.size(); ++k)
            if (!chooseItem(controls.sizeLists.at(k), names.at(k)))
                return false;
    }
    setFlow(window, controls, request);
    if (!request.length) {
        controls.find();
        return true;
    }
    if (controls.localLosses)
        controls.localLosses(request.localLosses.counted);
    controls.length->setText(typedNumber(*request.length));
    controls.calculate();
    return true;
}

}  // namespace calc::classic
