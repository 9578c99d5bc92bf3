#include "calc/steel/steelpanel.h"

#include "calc/common/messages.h"
#include "calc/common/numbertext.h"
#include "widgets/numericinput.h"
#include "calc/screen/screenwidgets.h"
#include "calc/common/valueparse.h"
#include "platform/messagebox.h"
#include "platform/palette.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace calc::steel {

SteelPanel::SteelPanel(const SteelControls& controls, std::function<void()> calculateOnScreen)
    : QObject(controls.window), ui(controls)
{
    platform::setCaptionColour(ui.Label26, warningRed);
    connectClassicButtons(this, {ui.Command2, ui.Command1, ui.Command3, ui.Command4, ui.Text1, ui.Text3},
                          {[this] { find(); }, [this] { clearAll(); }, calculateOnScreen, [this] { clearSection(); }});
    // A new pipe condition asks for the wall (or the typed diameter) again.
    connect(ui.Option3, &QRadioButton::toggled, ui.Text2, &QLineEdit::clear);
    connect(ui.Option5, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseColdWater();
    });
    connect(ui.Option6, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseHotWater();
    });
    connect(ui.Combo3, &QComboBox::activated, this, &SteelPanel::chooseTemperature);
    connect(ui.Combo4, &QComboBox::activated, this, &SteelPanel::chooseSystemType);
    connect(ui.Check2, &QCheckBox::clicked, this, &SteelPanel::toggleLocalLosses);
}

void SteelPanel::load(const QStringList& outerDiameters)
{
    for (auto* caption : {ui.Label7_0, ui.Label7_1, ui.Label7_3, ui.Label7_4})
        platform::setCaptionColour(caption, platform::Black);
    for (auto* caption : {ui.Label12_0, ui.Label12_1})
        platform::setCaptionColour(caption, platform::Grey);
    ui.Check1->setChecked(false);
    ui.Text2->setEnabled(false);
    ui.Option1->setChecked(true);
    ui.Option3->setChecked(true);
    ui.Option5->setChecked(true);
    fillList(ui.Combo1, outerDiameters);
    ui.Combo2->clear();
    ui.Combo3->clear();
    ui.Combo3->hide();
    ui.Label21_0->hide();
    ui.Label21_1->hide();
    ui.Combo4->hide();
}

PipeCondition SteelPanel::condition() const
{
    return ui.Option3->isChecked() ? PipeCondition::NonNew : PipeCondition::New;
}

SystemKind SteelPanel::systemKind() const
{
    return ui.Option5->isChecked() ? SystemKind::ColdWater : SystemKind::HotWater;
}

void SteelPanel::find()
{
    using namespace calc::messages;
    const bool cold = ui.Option5->isChecked();
    const double flag = parseValue(Label27);
    const double typedFlow = parseValue(ui.Text1->text());
    if (typedFlow <= 0)
        return platform::showInputError(ui.window, flowZero);
    const double diameterMm = parseValue(ui.Text2->text());
    const double outer = parseValue(Label19);
    const double wall = parseValue(Label20);
    if (flag == 0 && outer <= 0)
        return platform::showInputError(ui.window, noDiameterChosen);
    if (flag == 0 && wall <= 0)
        return platform::showInputError(ui.window, noWallChosen);
    if (diameterMm <= 0)
        return platform::showInputError(ui.window, calculationDiameterZero);

    const double d = diameterMm * std::pow(10.0, -3);
    const double q = flowCubicMetresPerSecond(typedFlow, chosenFlowUnit(ui.Option1));
    if (!flowIsShowable(q))
        return platform::showInputError(ui.window, notComputable);
    ui.Text1->setToolTip(flowTooltip(q));
    const double v = meanVelocity(q, d);

    if (!cold && parseValue(Label22) <= 0)
        return platform::showInputError(ui.window, noTemperature);
    const double nu = std::pow(10.0, -6) * parseValue(Label23);
    const double thousandI = 1000.0 * slope(d, v, nu, condition());
    if (!allFinite({v, thousandI, thousandI * gravity, d * 1000.0}))
        return platform::showInputError(ui.window, notComputable);

    ui.Label1->setText(velocityText(v));
    ui.Label2->setText(thousandIText(thousandI));
    ui.Label10->clear();
    Label16 = storedNumberText(thousandI);
    ui.Label2->setToolTip(slopePressureTooltip(thousandI));
    ui.Label26->setText(velocityWarning(v, ui.Combo4->currentIndex()));
    if (flag == 1)
        ui.Label3->setText(numberText(d * 1000.0));
}

SteelPanel::SectionOutcome SteelPanel::calculate()
{
    find();
    double k = 0.0;
    const bool hasK = localLossShare(systemKind(), ui.Combo4->currentIndex(), k);
    ui.Label24->setText(QStringLiteral("k=") + (hasK ? numberText(k) : QString()));

    const double length = parseValue(ui.Text3->text());
    if (length <= 0) {
        platform::showInputError(ui.window, messages::sectionLengthZero);
        return SectionOutcome::LengthError;
    }
    const bool withLocalLosses = ui.Check2->isChecked();
    const SteelSectionHeadLoss loss = sectionHeadLoss(length, parseValue(Label16), k, withLocalLosses);
    if (!allFinite({loss.headLoss, loss.pressure})) {
        platform::showInputError(ui.window, messages::notComputable);
        return SectionOutcome::NotComputable;
    }
    ui.Label24->setVisible(withLocalLosses);
    ui.Label10->setText(loss.text);
    ui.Label10->setToolTip(loss.tooltip);
    return withLocalLosses ? SectionOutcome::WithLocalLosses : SectionOutcome::WithoutLocalLosses;
}

void SteelPanel::clearAll()
{
    ui.Label1->clear();
    ui.Label2->clear();
    ui.Label2->setToolTip(QString());
    ui.Text1->clear();
    ui.Text1->setToolTip(QString());
    ui.Text3->clear();
    ui.Label10->clear();
    ui.Label10->setToolTip(QString());
    ui.Label26->clear();
    ui.Label24->clear();
}

double SteelPanel::chooseWall()
{
    Label20 = ui.Combo2->currentText();
    const double wall = parseValue(Label20);
    const double outer = parseValue(Label19);
    // Non-new pipes lose 1 mm of bore to corrosion and deposits.
    const double bore = condition() == PipeCondition::NonNew ? outer - 2 * wall - 1 : outer - 2 * wall;
    ui.Text2->setText(storedNumberText(bore));
    Label20 = storedNumberText(wall);
    return bore;
}

void SteelPanel::enterTypedDiameterMode()
{
    Label27 = QStringLiteral("1");
    ui.Text2->setEnabled(true);
    ui.Text2->clear();
    for (auto* caption : {ui.Label7_0, ui.Label7_1, ui.Label7_3, ui.Label7_4})
        platform::setCaptionColour(caption, platform::Grey);
    for (auto* caption : {ui.Label12_0, ui.Label12_1})
        platform::setCaptionColour(caption, platform::Black);
    ui.Combo1->clear();
    ui.Combo2->clear();
    ui.Combo1->setEnabled(false);
    ui.Combo2->setEnabled(false);
}

void SteelPanel::returnToCatalog(const QStringList& outerDiameters)
{
    for (auto* caption : {ui.Label7_0, ui.Label7_1, ui.Label7_3, ui.Label7_4})
        platform::setCaptionColour(caption, platform::Black);
    for (auto* caption : {ui.Label12_0, ui.Label12_1})
        platform::setCaptionColour(caption, platform::Grey);
    Label27 = QStringLiteral("0");
    ui.Text2->setEnabled(false);
    ui.Combo1->setEnabled(true);
    ui.Combo2->setEnabled(true);
    fillList(ui.Combo1, outerDiameters);
    ui.Combo2->clear();
}

void SteelPanel::clearSection()
{
    ui.Label10->clear();
    ui.Label10->setToolTip(QString());
    ui.Text3->clear();
    ui.Label26->clear();
    ui.Label24->clear();
    // The system type is read from the list itself, so the clear has no stored position to lose.
}

void SteelPanel::hideLocalLosses()
{
    if (ui.Check2->isChecked()) {
        ui.Check2->setChecked(false);
        toggleLocalLosses();
    }
    ui.Check2->hide();
}

void SteelPanel::showLocalLosses() { ui.Check2->show(); }

void SteelPanel::toggleLocalLosses()
{
    ui.Combo4->setVisible(ui.Check2->isChecked());
    clearSection();
}

void SteelPanel::chooseColdWater()
{
    ui.Label24->clear();
    ui.Label21_0->hide();
    ui.Label21_1->hide();
    Label22.clear();
    ui.Combo3->clear();
    ui.Combo3->hide();
    Label23 = storedNumberText(coldWaterViscosityE6);
    fillList(ui.Combo4, systemTypes(SystemKind::ColdWater));
    ui.Combo4->setCurrentIndex(0);
    chooseSystemType();
}

void SteelPanel::chooseHotWater()
{
    ui.Label24->clear();
    ui.Label21_0->show();
    ui.Label21_1->show();
    ui.Combo3->show();
    fillList(ui.Combo3, hotWaterTemperatures());
    fillList(ui.Combo4, systemTypes(SystemKind::HotWater));
    ui.Combo4->setCurrentIndex(0);
    chooseSystemType();
}

void SteelPanel::chooseTemperature()
{
    Label22 = ui.Combo3->currentText();
    Label23 = storedNumberText(hotWaterViscosityE6(Label22));
}

void SteelPanel::chooseSystemType() { ui.Label24->clear(); }

}  // namespace calc::steel
