#include "calc/building/buildingpanel.h"

#include "calc/building/buildingtexts.h"
#include "calc/building/frmnagruzka.h"
#include "calc/building/frmteplonositel.h"
#include "calc/carrier/heatload.h"
#include "calc/carrier/waterproperties.h"
#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
#include "calc/screen/fixturestool.h"
#include "calc/screen/advicelabel.h"
#include "calc/screen/classicsection.h"
#include "calc/screen/screenwidgets.h"
#include "calc/screen/showncalculation.h"
#include "platform/messagebox.h"
#include "ui_buildingpanel.h"
#include "widgets/numericinput.h"

#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <vector>

namespace calc::building {

namespace {
const QColor sumColour(0, 64, 0);

// A result caption as wide as its longest text at its font, so that showing a result neither
// cuts it nor widens the window.
void reserveWidth(QLabel* caption, const QString& longest)
{
    caption->setText(longest);
    caption->setMinimumWidth(caption->sizeHint().width());
    caption->clear();
}
}  // namespace

BuildingPanel::BuildingPanel(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::BuildingPanel>())
{
    ui->setupUi(this);
    fittingBoxes = {ui->Check1, ui->Check2, ui->Check3, ui->Check4,  ui->Check5,  ui->Check6,
                    ui->Check7, ui->Check8, ui->Check9, ui->Check10, ui->Check11, ui->Check12};
    fittingCounts = {ui->Text4,  ui->Text5,  ui->Text6,  ui->Text7,  ui->Text8,  ui->Text9,
                     ui->Text10, ui->Text11, ui->Text12, ui->Text13, ui->Text14, ui->Text15};
    fittingDrawings = {ui->fittingDrawing_1, ui->fittingDrawing_2,  ui->fittingDrawing_3,  ui->fittingDrawing_4,
                       ui->fittingDrawing_5, ui->fittingDrawing_6,  ui->fittingDrawing_7,  ui->fittingDrawing_8,
                       ui->fittingDrawing_9, ui->fittingDrawing_10, ui->fittingDrawing_11, ui->fittingDrawing_12};

    ui->Label12->hide();
    reserveWidth(ui->Label1, velocityResult(Material::Copper, 999.999));
    reserveWidth(ui->Label2, heatingLossResult(Material::Pex, 9999999.999));
    reserveWidth(ui->Label3, tooFastAdvice);
    reserveWidth(ui->Label4, heatingDropResult(Material::Copper, 99999999.999));
    platform::setCaptionColour(ui->Label10, sumColour);
    platform::setCaptionColour(ui->Label11, sumColour);
    platform::setButtonBackground(ui->Command1, buildingRunColour);
    platform::setButtonBackground(ui->Command2, buildingClearColour);

    for (auto* input : {ui->Text1, ui->Text3, ui->Text16, ui->Text17, ui->Text18})
        emptyOnBlank(input);
    for (int row = 0; row < fittingRows; ++row) {
        connect(fittingBoxes[row], &QCheckBox::clicked, this, [this, row] { toggleFitting(row); });
        fittingCounts[row]->setKeyList(KeyList::B);
        emptyOnBlank(fittingCounts[row]);
    }
    connect(ui->Check14, &QCheckBox::clicked, this, &BuildingPanel::toggleOtherResistance);
    // A click on "другой" when it is already selected opens the inputs again.
    connect(ui->Option8, &QRadioButton::clicked, this, &BuildingPanel::chooseOtherCarrier);
    // "вода" selected, and a click on it when it is already selected, both take water again.
    connect(ui->Option7, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit waterChosen();
    });
    connect(ui->Option7, &QRadioButton::clicked, this, &BuildingPanel::waterChosen);
    connect(ui->Combo3, &QComboBox::activated, this, &BuildingPanel::temperatureChosen);
    connect(ui->Command1, &QPushButton::clicked, this, &BuildingPanel::calculateClicked);
    connect(ui->Command2, &QPushButton::clicked, this, &BuildingPanel::clearClicked);
    connect(ui->Command4, &QPushButton::clicked, this, &BuildingPanel::resetClicked);
    connect(ui->carrierButton, &QPushButton::clicked, this, &BuildingPanel::openCarrierReference);
    connect(ui->loadButton, &QPushButton::clicked, this, &BuildingPanel::openLoadWindow);
}

BuildingPanel::~BuildingPanel() = default;

void BuildingPanel::setMaterial(Material material)
{
    pipeMaterial = material;
    for (int row = 0; row < fittingRows; ++row) {
        fittingBoxes[row]->setText(fittingCaption(material, row + 1));
        // A screen reader names each count by its fitting, not by the frame they share.
        fittingCounts[row]->setAccessibleName(fittingBoxes[row]->text().simplified() + QStringLiteral(", количество"));
        fittingDrawings[row]->load(fittingDrawing(material, row + 1));
    }
    ui->Label14_5->setText(material == Material::PexAlPex ? QStringLiteral("x10⁻⁶ м²/с") : QStringLiteral("·10⁻⁶ м²/с"));
}

void BuildingPanel::selectLitresPerSecond() { ui->Option5->setChecked(true); }

void BuildingPanel::selectWater() { ui->Option7->setChecked(true); }

bool BuildingPanel::waterSelected() const { return ui->Option7->isChecked(); }

void BuildingPanel::setTemperaturePanelEnabled(bool enabled) { ui->Frame4->setEnabled(enabled); }

void BuildingPanel::setTemperatureListEnabled(bool enabled) { ui->Combo3->setEnabled(enabled); }

void BuildingPanel::fillTemperatures(const QStringList& items) { fillList(ui->Combo3, items); }

void BuildingPanel::clearTemperatures() { ui->Combo3->clear(); }

void BuildingPanel::setTemperatureListTooltip(const QString& tooltip) { ui->Combo3->setToolTip(tooltip); }

void BuildingPanel::takeTemperature()
{
    chosenTemperature = parseValue(ui->Combo3->currentText());
    ui->Label12->setText(ui->Combo3->currentText());
}

void BuildingPanel::forgetTemperature()
{
    chosenTemperature = 0;
    ui->Label12->clear();
}

bool BuildingPanel::chooseTemperature(const QString& item)
{
    const int position = ui->Combo3->findText(item);
    if (position < 0)
        return false;
    ui->Combo3->setCurrentIndex(position);
    emit temperatureChosen();
    return true;
}

void BuildingPanel::setTemperatureCaptions(platform::PaletteIndex colour)
{
    for (auto* caption : {ui->Label13_0, ui->Label13_1})
        platform::setCaptionColour(caption, colour);
}

void BuildingPanel::setCarrierPanelEnabled(bool enabled) { ui->Frame5->setEnabled(enabled); }

void BuildingPanel::setCarrierOptionsEnabled(bool enabled)
{
    ui->Option7->setEnabled(enabled);
    ui->Option8->setEnabled(enabled);
}

void BuildingPanel::disableDensityInput() { ui->Text3->setEnabled(false); }

void BuildingPanel::disableCarrierInputs()
{
    ui->Text3->setEnabled(false);
    ui->Text18->setEnabled(false);
}

void BuildingPanel::emptyCarrierInputs()
{
    ui->Text3->clear();
    ui->Text18->clear();
}

void BuildingPanel::showCarrierDensity(double density) { ui->Text3->setText(storedNumberText(density)); }

void BuildingPanel::showCarrierViscosity(double viscosityE6) { ui->Text18->setText(storedNumberText(viscosityE6)); }

void BuildingPanel::setCarrierCaptions(platform::PaletteIndex colour)
{
    for (auto* caption : {ui->Label14_0, ui->Label14_1, ui->Label14_2, ui->Label14_3, ui->Label14_4, ui->Label14_5})
        platform::setCaptionColour(caption, colour);
}

void BuildingPanel::chooseOtherCarrier()
{
    for (auto* input : {ui->Text3, ui->Text18}) {
        input->setEnabled(true);
        input->clear();
    }
}

void BuildingPanel::setHeatingChosen(bool heating)
{
    ui->carrierButton->setEnabled(heating);
    ui->loadButton->setEnabled(heating);
    ui->fixturesButton->setEnabled(!heating);
    if (heating)
        return;
    for (QWidget* window : {static_cast<QWidget*>(carrierWindow), static_cast<QWidget*>(loadWindow)}) {
        if (window)
            window->close();
    }
}

std::optional<carrier::CarrierReading> BuildingPanel::carrierStillApplied() const
{
    if (!appliedCarrier || waterSelected() || parseValue(ui->Text3->text()) != appliedCarrier->shown.density
        || parseValue(ui->Text18->text()) != appliedCarrier->shown.viscosityE6)
        return std::nullopt;
    return appliedCarrier;
}

void BuildingPanel::openCarrierReference()
{
    if (!carrierWindow) {
        carrierWindow = new frmteplonositel(this);
        connect(carrierWindow, &frmteplonositel::applied, this, &BuildingPanel::applyCarrier);
        if (const auto applied = carrierStillApplied()) {
            carrierWindow->setChoice({applied->fluid,
                                      applied->fluid == carrier::Fluid::Water ? QString() : storedNumberText(applied->concentration),
                                      storedNumberText(applied->temperature)});
        } else {
            const double t = temperature();
            carrierWindow->setChoice({carrier::Fluid::Water, QString(), t > 0 ? storedNumberText(t) : QString()});
        }
    }
    carrierWindow->show();
    carrierWindow->raise();
    carrierWindow->activateWindow();
}

// "другой" is selected as a click selects it, then ρ and ν are written as the user would type them.
void BuildingPanel::applyCarrier(const carrier::CarrierReading& reading)
{
    ui->Option8->setChecked(true);
    chooseOtherCarrier();
    ui->Text3->setText(storedNumberText(reading.shown.density));
    ui->Text18->setText(storedNumberText(reading.shown.viscosityE6));
    appliedCarrier = reading;
}

// Water at the chosen temperature by its table, the carrier applied from the reference, or
// another carrier with the density typed on the screen and no heat capacity.
ScreenCarrier BuildingPanel::screenCarrier() const
{
    if (waterSelected()) {
        const double t = temperature();
        if (t <= 0 || !carrier::waterTemperatureValid(t))
            return {QStringLiteral("вода, температура не выбрана"), std::nullopt, std::nullopt};
        const carrier::ReferenceAnswer water = carrier::lookUp({carrier::Fluid::Water, QString(), storedNumberText(t)});
        return {carrier::carrierName(*water.reading), water.reading->shown.heatCapacity, water.reading->shown.density};
    }
    if (const auto applied = carrierStillApplied())
        return {carrier::carrierName(*applied), applied->shown.heatCapacity, applied->shown.density};
    const double density = parseValue(ui->Text3->text());
    return {QString(), std::nullopt, density > 0 ? std::optional<double>(density) : std::nullopt};
}

void BuildingPanel::openLoadWindow()
{
    if (!loadWindow) {
        loadWindow = new frmnagruzka(this);
        connect(loadWindow, &frmnagruzka::applied, this, &BuildingPanel::applyFlow);
    }
    loadWindow->setCarrier(screenCarrier());
    loadWindow->show();
    loadWindow->raise();
    loadWindow->activateWindow();
}

// Written in the unit the screen shows, as the user would type it.
void BuildingPanel::applyFlow(const HeatLoad& load, double litresPerSecond, double cubicMetresPerHour)
{
    const bool litres = ui->Option5->isChecked();
    ui->Text1->setText(storedNumberText(litres ? litresPerSecond : cubicMetresPerHour));
    appliedLoad = AppliedLoad{load, ui->Text1->text(), litres};
}

std::optional<HeatLoad> BuildingPanel::loadStillApplied() const
{
    if (!appliedLoad || ui->Text1->text() != appliedLoad->flowText || ui->Option5->isChecked() != appliedLoad->litresPerSecond)
        return std::nullopt;
    return appliedLoad->load;
}

void BuildingPanel::toggleFitting(int row) { fittingCounts[row]->setEnabled(fittingBoxes[row]->isChecked()); }

void BuildingPanel::toggleOtherResistance() { ui->Text17->setEnabled(ui->Check14->isChecked()); }

void BuildingPanel::disableCounts()
{
    for (auto* count : fittingCounts)
        count->setEnabled(false);
    ui->Text17->setEnabled(false);
}

void BuildingPanel::resetFittings()
{
    for (int row = 0; row < fittingRows; ++row) {
        fittingBoxes[row]->setChecked(false);
        toggleFitting(row);
        fittingCounts[row]->setText(QStringLiteral("1"));
    }
    ui->Check14->setChecked(false);
    toggleOtherResistance();
    ui->Text17->clear();
}

void BuildingPanel::clearResultCaptions()
{
    for (auto* result : {ui->Label1, ui->Label2, ui->Label3, ui->Label4})
        result->clear();
    shownAdvice.clear();
    emit resultsCleared();
}

void BuildingPanel::takeFixtures(FixturesTool* tool) { fixtures = tool; }

void BuildingPanel::completeRequest(CalculationRequest& request, SystemKind kind) const
{
    request.length = parseValue(ui->Text16->text());
    for (int row = 0; row < fittingRows; ++row)
        request.localLosses.fittingCounts << (fittingBoxes[row]->isChecked() ? parseValue(fittingCounts[row]->text()) : 0);
    if (ui->Check14->isChecked())
        request.localLosses.otherResistance = parseValue(ui->Text17->text());
    if (kind == SystemKind::Heating) {
        request.carrier = heatingCarrier(kind);
        request.load = loadStillApplied();
    }
    if (fixtures)
        request.fixtures = fixtures->stillApplied();
}

void BuildingPanel::calculate(const TableRecord& record, const CalculationRequest& request, SystemKind kind,
                              ShownCalculation* shown)
{
    const CalculationOutcome outcome = record.calculate(request);
    showSection(kind, outcome);
    classic::publish(shown, request, outcome, shownAdvice);
}

// As the reference applies it once the carrier is chosen and typed there.
bool BuildingPanel::applyCarrierChoice(const CalculationRequest& request, int choice)
{
    if (const auto& chosen = request.carrier) {
        const bool water = chosen->kind == carrier::Fluid::Water;
        const carrier::ReferenceAnswer answer =
            carrier::lookUp({chosen->kind, water ? QString() : storedNumberText(chosen->concentration),
                             storedNumberText(chosen->temperature)});
        if (!ui->carrierButton->isEnabled() || !answer.reading)
            return false;
        applyCarrier(*answer.reading);
        return true;
    }
    if (choice == 1) {
        if (!ui->Option8->isEnabled())
            return false;
        ui->Option8->click();
        ui->Text3->setText(storedNumberText(request.conditions.carrierDensity));
        ui->Text18->setText(storedNumberText(request.conditions.carrierViscosityE6));
        return true;
    }
    if (choice != 0 || ui->Option7->isChecked())
        return true;
    ui->Option7->click();
    return ui->Option7->isChecked();
}

// As the load window applies it once Q, Δt and, where the screen knows none, c are typed there.
bool BuildingPanel::applyLoad(const HeatLoad& load)
{
    if (!ui->loadButton->isEnabled())
        return false;
    const ScreenCarrier shown = screenCarrier();
    const carrier::LoadAnswer answer =
        carrier::flowFromLoad({storedNumberText(load.heat), storedNumberText(load.temperatureDrop),
                               storedNumberText(shown.heatCapacity.value_or(load.heatCapacity)), shown.heatCapacity,
                               shown.density});
    if (!answer.load || !answer.litresPerSecond || !answer.cubicMetresPerHour)
        return false;
    applyFlow(*answer.load, *answer.litresPerSecond, *answer.cubicMetresPerHour);
    return true;
}

bool BuildingPanel::applySection(const CalculationRequest& request)
{
    QRadioButton* unit = request.conditions.flow.unit == FlowUnit::LitresPerSecond ? ui->Option5 : ui->Option6;
    if (!unit->isChecked())
        unit->click();
    if (!unit->isChecked())
        return false;
    if (request.fixtures) {
        if (!fixtures || !fixtures->applyTyped(*request.fixtures))
            return false;
    } else if (request.load) {
        if (!applyLoad(*request.load))
            return false;
    } else {
        ui->Text1->setText(storedNumberText(request.conditions.flow.value));
    }
    ui->Text16->setText(storedNumberText(request.length.value_or(0)));
    const LocalLosses& losses = request.localLosses;
    for (int row = 0; row < fittingRows; ++row) {
        const double count = losses.fittingCounts.value(row, 0);
        if (fittingBoxes[row]->isChecked() != (count > 0))
            fittingBoxes[row]->click();
        if (count > 0)
            fittingCounts[row]->setText(storedNumberText(count));
    }
    if (ui->Check14->isChecked() != losses.otherResistance.has_value())
        ui->Check14->click();
    if (losses.otherResistance)
        ui->Text17->setText(storedNumberText(*losses.otherResistance));
    ui->Command1->click();
    return true;
}

QList<QLabel*> BuildingPanel::figureLabels() const { return {ui->Label1, ui->Label2, ui->Label3, ui->Label4, ui->Label10}; }

std::optional<ReferenceCarrier> BuildingPanel::heatingCarrier(SystemKind kind) const
{
    const auto carrier = carrierStillApplied();
    if (kind != SystemKind::Heating || !carrier)
        return std::nullopt;
    return ReferenceCarrier{carrier->fluid, carrier->concentration, carrier->temperature, carrier->shown.heatCapacity};
}

void BuildingPanel::clearResultTooltips(std::initializer_list<Result> results)
{
    QLabel* const labels[] = {ui->Label1, ui->Label2, ui->Label3, ui->Label4};
    for (Result result : results)
        labels[static_cast<int>(result)]->setToolTip(QString());
}

void BuildingPanel::showLocalResistanceSum(double sum)
{
    ui->Label10->show();
    ui->Label11->show();
    ui->Label10->setText(numberText(sum));
}

void BuildingPanel::hideLocalResistanceSum()
{
    ui->Label10->hide();
    ui->Label11->hide();
}

void BuildingPanel::clearLocalResistanceSum()
{
    ui->Label10->clear();
    hideLocalResistanceSum();
}

void BuildingPanel::clearInputs()
{
    for (auto* input : {ui->Text1, ui->Text3, ui->Text18, ui->Text16})
        input->clear();
}

void BuildingPanel::clearFlowTooltip() { ui->Text1->setToolTip(QString()); }

QLineEdit* BuildingPanel::flowInput() const { return ui->Text1; }

QAbstractButton* BuildingPanel::fixturesButton() const { return ui->fixturesButton; }

SizeQuery BuildingPanel::sizeQuery(const TableRecord& record, ConditionChoices chosen) const
{
    const int temperatureCondition = int(chosen.size());
    // Cold water takes no temperature, whatever the screen keeps for the next system.
    const bool temperatureOffered = !record.conditions.value(temperatureCondition).choices(chosen).isEmpty();
    chosen << choicePosition(record, temperatureCondition, chosen, temperature());
    const bool carrierOffered = !record.conditions.value(temperatureCondition + 1).choices(chosen).isEmpty();
    chosen << (waterSelected() ? 0 : 1);
    SizeQuery query;
    query.chosen = chosen;
    if (carrierOffered && !waterSelected()) {
        query.carrierViscosityE6 = parseValue(ui->Text18->text());
        query.carrierDensity = parseValue(ui->Text3->text());
    }
    query.flow = typedFlow(ui->Text1, ui->Option5);
    if (temperatureOffered && temperature() != 0)
        query.temperature = temperature();
    return query;
}

void BuildingPanel::chainTabOrder(QWidget* before, QWidget* after)
{
    std::vector<QWidget*> order = {before,      ui->Text1,   ui->Option5, ui->Option6, ui->loadButton,    ui->fixturesButton,
                                   ui->Combo3,  ui->Option7, ui->Option8, ui->Text3,   ui->Text18,        ui->carrierButton,
                                   ui->Text16};
    for (int row = 0; row < fittingRows; ++row)
        order.insert(order.end(), {fittingBoxes[row], fittingCounts[row]});
    order.insert(order.end(), {ui->Check14, ui->Text17, ui->Command4, ui->Command1, ui->Command2, after});
    for (std::size_t k = 1; k < order.size(); ++k)
        QWidget::setTabOrder(order[k - 1], order[k]);
}

QList<QWidget*> BuildingPanel::buttons() const { return {ui->Command4, ui->Command1, ui->Command2}; }

void BuildingPanel::showSection(SystemKind kind, const CalculationOutcome& outcome)
{
    const Figures& figures = outcome.figures;
    const Material material = pipeMaterial;
    const bool heating = kind == SystemKind::Heating;
    if (figures.flow)
        ui->Text1->setToolTip(flowTooltip(*figures.flow));
    if (figures.velocity) {
        ui->Label1->setText(velocityResult(material, *figures.velocity));
        if (material == Material::Copper)
            ui->Label1->setToolTip(QStringLiteral("скорость"));
    }
    if (outcome.viscosityE6)
        showCarrierViscosity(*outcome.viscosityE6);
    if (figures.resistanceSum)
        showLocalResistanceSum(*figures.resistanceSum);
    if (outcome.waterDensity)
        showCarrierDensity(*outcome.waterDensity);
    if (!heating && figures.slope) {
        ui->Label2->setText(slopeResult(material, kind, *figures.slope));
        ui->Label2->setToolTip(slopeTooltip(*figures.slope));
    }
    if (!heating && figures.headLoss) {
        ui->Label4->setText(headLossResult(material, *figures.headLoss));
        ui->Label4->setToolTip(headLossTooltip(*figures.headLoss));
    }
    if (figures.specificLoss) {
        ui->Label2->setText(heatingLossResult(material, *figures.specificLoss));
        ui->Label2->setToolTip(QString());
    }
    if (figures.pressureDrop) {
        ui->Label4->setText(heatingDropResult(material, *figures.pressureDrop));
        ui->Label4->setToolTip(QString());
    }
    if (outcome.adviceLabel) {
        showAdvice(ui->Label3, *outcome.adviceLabel);
        shownAdvice = outcome.adviceLabel->text.value_or(shownAdvice);
    }
    if (outcome.adviceTooltip)
        ui->Label3->setToolTip(*outcome.adviceTooltip);
    if (outcome.failed)
        platform::showInputError(window(), messages::failedCheck(material, kind, *outcome.failed));
}

void emptyOnBlank(NumericInput* input) { QObject::connect(input, &NumericInput::blankTyped, input, &QLineEdit::clear); }

}  // namespace calc::building
