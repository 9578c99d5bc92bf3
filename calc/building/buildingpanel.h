#pragma once

#include "calc/building/buildinghydraulics.h"
#include "calc/carrier/carrierreference.h"
#include "calc/common/tablerecord.h"
#include "calc/screen/screenwidgets.h"
#include "platform/palette.h"
#include "widgets/screenfit.h"

#include <QPointer>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <initializer_list>
#include <memory>

class FittingDrawing;
class frmnagruzka;
class frmteplonositel;
struct ScreenCarrier;
class NumericInput;
class QCheckBox;
class QAbstractButton;
class QLineEdit;
class QScrollArea;

namespace Ui {
class BuildingPanel;
}

namespace calc {
class FixturesTool;
class ShownCalculation;
}

namespace calc::building {

// Whatever the copper, PEX and PEX-AL-PEX screens share: flow, temperature, heat carrier,
// fittings, section length, results and the buttons that run, clear and reset them. Each
// screen holds one and wires its own system options, diameter panel and steps to it.
class BuildingPanel : public QWidget {
    Q_OBJECT
public:
    explicit BuildingPanel(QWidget* parent = nullptr);
    ~BuildingPanel() override;

    // Row 12, its drawing, its ξ and the viscosity unit depend on the pipe.
    void setMaterial(Material material);
    Material material() const { return pipeMaterial; }

    void selectLitresPerSecond();
    void selectWater();
    bool waterSelected() const;

    // The temperature panel; its state field takes the chosen list item.
    void setTemperaturePanelEnabled(bool enabled);
    void setTemperatureListEnabled(bool enabled);
    void fillTemperatures(const QStringList& items);
    void clearTemperatures();
    void setTemperatureListTooltip(const QString& tooltip);
    void takeTemperature();
    void forgetTemperature();
    double temperature() const { return chosenTemperature; }
    // The item of this name chosen as a click in the list chooses it; false where it has none.
    bool chooseTemperature(const QString& item);
    void setTemperatureCaptions(platform::PaletteIndex colour);

    // The heat-carrier panel: "другой" opens its two inputs.
    void setCarrierPanelEnabled(bool enabled);
    void setCarrierOptionsEnabled(bool enabled);
    void disableDensityInput();
    void disableCarrierInputs();
    void emptyCarrierInputs();
    void showCarrierDensity(double density);
    void showCarrierViscosity(double viscosityE6);
    void setCarrierCaptions(platform::PaletteIndex colour);

    // The carrier reference and the flow from a heat load serve heating only: they are enabled
    // while it is chosen, and their windows close when another system is chosen.
    void setHeatingChosen(bool heating);

    // Count inputs wait for their box to be ticked.
    void disableCounts();
    // Unticks every fitting as a click would, counts back to "1", "другие " emptied.
    void resetFittings();

    enum class Result { Velocity, Slope, Advice, Loss };
    void clearResultCaptions();
    void clearResultTooltips(std::initializer_list<Result> results);
    void hideLocalResistanceSum();
    void clearLocalResistanceSum();
    // Flow, density, viscosity and section length.
    void clearInputs();
    void clearFlowTooltip();
    QLineEdit* flowInput() const;
    QAbstractButton* fixturesButton() const;

    // The record's conditions up to the system's, as the screen gives them, followed by the
    // temperature and heat carrier the panel holds; with the flow unit and the temperature itself.
    SizeQuery sizeQuery(const TableRecord& record, ConditionChoices chosen) const;
    // The carrier applied from the reference while "другой" still holds its ρ and ν, for heating:
    // what a heating section's request claims.
    std::optional<ReferenceCarrier> heatingCarrier(SystemKind kind) const;
    // The fixtures button's tool, whose fixtures a request claims while the flow holds their q.
    void takeFixtures(FixturesTool* tool);
    // The screen's conditions and size completed with the panel's length and fittings, the
    // fixtures still applied and, for heating, the carrier and load still applied.
    void completeRequest(CalculationRequest& request, SystemKind kind) const;
    // Runs the request, shows its outcome and, when a check stopped it, that check's message;
    // leaves the request shown when it went through.
    void calculate(const TableRecord& record, const CalculationRequest& request, SystemKind kind, ShownCalculation* shown);

    // A request set as the user sets it, each step through its control's own handler; false
    // where a control would not take it. The carrier: from the reference, another typed, or
    // water, by the carrier condition's choice.
    bool applyCarrierChoice(const CalculationRequest& request, int choice);
    // The flow unit, the flow (typed, or from the fixtures or the heat load), the length and the
    // fittings, then "Рассчитать".
    bool applySection(const CalculationRequest& request);

    // The labels the results are written on.
    QList<QLabel*> figureLabels() const;

    // Tab passes from the screen's control before the panel through the panel in reading order
    // (the conditions, the fittings, then "Рассчитать" and "Очистить") to the one after it.
    void chainTabOrder(QWidget* before, QWidget* after);
    // "Сброс", "Рассчитать" and "Очистить", in reading order.
    QList<QWidget*> buttons() const;

signals:
    // The result captions were emptied.
    void resultsCleared();
    void calculateClicked();
    void clearClicked();
    void resetClicked();
    void temperatureChosen();
    // "вода" clicked, or selected from code.
    void waterChosen();

private:
    void toggleFitting(int row);
    void toggleOtherResistance();
    void chooseOtherCarrier();
    void showLocalResistanceSum(double sum);
    void showSection(SystemKind kind, const CalculationOutcome& outcome);
    bool applyLoad(const HeatLoad& load);
    void openCarrierReference();
    void applyCarrier(const carrier::CarrierReading& reading);
    void openLoadWindow();
    void applyFlow(const HeatLoad& load, double litresPerSecond, double cubicMetresPerHour);
    // The carrier applied from the reference, while "другой" holds its ρ and ν unchanged.
    std::optional<carrier::CarrierReading> carrierStillApplied() const;
    ScreenCarrier screenCarrier() const;
    // The load applied from its window, while the flow input holds the flow it wrote, in its unit.
    std::optional<HeatLoad> loadStillApplied() const;

    std::unique_ptr<Ui::BuildingPanel> ui;
    std::array<QCheckBox*, fittingRows> fittingBoxes;
    std::array<NumericInput*, fittingRows> fittingCounts;
    std::array<FittingDrawing*, fittingRows> fittingDrawings;
    Material pipeMaterial = Material::Copper;
    double chosenTemperature = 0;  // t, °C, of the state field; 0 where none is chosen
    QString shownAdvice;           // what the advice label shows
    std::optional<carrier::CarrierReading> appliedCarrier;
    struct AppliedLoad {
        HeatLoad load;
        QString flowText;
        bool litresPerSecond = true;
    };
    std::optional<AppliedLoad> appliedLoad;
    QPointer<frmteplonositel> carrierWindow;
    QPointer<frmnagruzka> loadWindow;
    FixturesTool* fixtures = nullptr;
};

// Runs an option's action whenever it becomes selected, by a click or from code.
template <class Receiver>
void onSelected(QRadioButton* option, Receiver* receiver, void (Receiver::*action)())
{
    QObject::connect(option, &QRadioButton::toggled, receiver, [receiver, action](bool on) {
        if (on)
            (receiver->*action)();
    });
}

// A blank typed into a building-services input empties it first.
void emptyOnBlank(NumericInput* input);

// Tab runs from the last system option through the panel; the size selection, the record and
// sections buttons and the help button come last. The window then fits its screen and starts at
// its size list.
template <class Form>
void arrangeBuildingScreen(QWidget* window, Form& ui, QWidget* lastSystemOption)
{
    ui.panel->chainTabOrder(lastSystemOption, ui.selectSizeButton);
    calc::chainToolButtons(ui.selectSizeButton, ui.reportButton, ui.addSectionButton, ui.Command3);
    widgets::fitToScreen(window, ui.scrollArea, ui.panel->buttons(),
                         {ui.selectSizeButton, ui.reportButton, ui.addSectionButton, ui.Command3});
    ui.Combo1->setFocus();
}

}  // namespace calc::building

