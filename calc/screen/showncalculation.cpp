#include "calc/screen/showncalculation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace calc {

ShownCalculation::ShownCalculation(QAbstractButton* reportButton, QAbstractButton* addSectionButton, QObject* parent)
    : QObject(parent), reportButton(reportButton), addSectionButton(addSectionButton)
{
    setObjectName(QStringLiteral("shownCalculation"));
    connect(addSectionButton, &QAbstractButton::clicked, this, [this] {
        if (shownInput && shownInput->length)
            emit sectionRequested(*shownInput);
    });
    enableButtons();
}

void ShownCalculation::watchInputs(const QWidget* window)
{
    for (QLineEdit* input : window->findChildren<QLineEdit*>()) {
        // A list's own editor is not an input of its own.
        if (qobject_cast<QComboBox*>(input->parentWidget()))
            continue;
        inputs << input;
        connect(input, &QLineEdit::textChanged, this, &ShownCalculation::forgetWhenInputsChanged);
    }
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        inputs << list;
        connect(list, &QComboBox::currentIndexChanged, this, &ShownCalculation::forgetWhenInputsChanged);
    }
    for (QAbstractButton* box : window->findChildren<QAbstractButton*>())
        if (box->isCheckable()) {
            inputs << box;
            connect(box, &QAbstractButton::toggled, this, &ShownCalculation::forgetWhenInputsChanged);
        }
}

QStringList ShownCalculation::inputValues() const
{
    QStringList values;
    for (const QPointer<QWidget>& input : inputs) {
        if (auto* line = qobject_cast<const QLineEdit*>(input.data()))
            values << line->text();
        else if (auto* list = qobject_cast<const QComboBox*>(input.data()))
            values << QString::number(list->currentIndex()) + u':' + list->currentText();
        else if (auto* box = qobject_cast<const QAbstractButton*>(input.data()))
            values << QString::number(int(box->isChecked()));
        else
            values << QString();
    }
    return values;
}

void ShownCalculation::forgetWhenInputsChanged()
{
    if (!screenClearing && shownInput && inputValues() != shownInputValues) {
        forget();
        setFiguresGreyed(true);
    }
}

void ShownCalculation::showFiguresIn(const QList<QLabel*>& labels)
{
    figures.clear();
    for (QLabel* label : labels)
        figures.append(FigureLabel{label, {}});
}

// Only the active and inactive text colours change: the screen may colour a label while it is
// greyed (a warning in red), and that colour is then the one it keeps.
void ShownCalculation::setFiguresGreyed(bool grey)
{
    if (grey == greyed)
        return;
    greyed = grey;
    for (FigureLabel& figure : figures) {
        if (!figure.label)
            continue;
        QPalette palette = figure.label->palette();
        const QPalette::ColorRole role = figure.label->foregroundRole();
        const QColor disabled = QApplication::palette(figure.label).color(QPalette::Disabled, role);
        if (grey) {
            figure.colour = palette.color(QPalette::Active, role);
            palette.setColor(QPalette::Active, role, disabled);
            palette.setColor(QPalette::Inactive, role, disabled);
        } else if (palette.color(QPalette::Active, role) == disabled) {
            palette.setColor(QPalette::Active, role, figure.colour);
            palette.setColor(QPalette::Inactive, role, figure.colour);
        } else {
            continue;
        }
        figure.label->setPalette(palette);
    }
}

void ShownCalculation::takeFixturesFrom(std::function<std::optional<FixtureSupply>()> fixtures)
{
    appliedFixtures = std::move(fixtures);
}

void ShownCalculation::show(const CalculationRequest& input, const CalculationResults& output)
{
    shownInput = input;
    if (appliedFixtures)
        shownInput->fixtures = appliedFixtures();
    shownOutput = output;
    shownInputValues = inputValues();
    setFiguresGreyed(false);
    enableButtons();
    emit changed();
}

void ShownCalculation::showSection(double length, const Figures& section, const QString& headLossText)
{
    if (!shownInput)
        return;
    shownInput->length = length;
    shownOutput.figures.headLoss = section.headLoss;
    shownOutput.figures.headLossPressure = section.headLossPressure;
    shownOutput.headLossText = headLossText;
    shownInputValues = inputValues();
    setFiguresGreyed(false);
    enableButtons();
    emit changed();
}

void ShownCalculation::forget()
{
    if (!shownInput)
        return;
    shownInput.reset();
    shownOutput = {};
    enableButtons();
    emit changed();
}

void ShownCalculation::clearSection(const std::function<void()>& clear)
{
    screenClearing = true;
    clear();
    screenClearing = false;
    forgetSection();
}

void ShownCalculation::forgetSection()
{
    if (!shownInput || !shownInput->length)
        return;
    shownInputValues = inputValues();
    shownInput->length.reset();
    shownInput->localLosses = {};
    for (auto figure : {&Figures::localShare, &Figures::resistanceSum, &Figures::headLoss, &Figures::headLossPressure,
                         &Figures::localPressureLoss, &Figures::pressureDrop})
        (shownOutput.figures.*figure).reset();
    shownOutput.headLossText.clear();
    enableButtons();
    emit changed();
}

void ShownCalculation::enableButtons()
{
    reportButton->setEnabled(shownInput.has_value());
    addSectionButton->setEnabled(shownInput && shownInput->length);
}

}  // namespace calc
