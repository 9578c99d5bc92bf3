#pragma once

#include "calc/common/numbertext.h"
#include "calc/common/tablerecord.h"
#include "calc/common/valueparse.h"
#include "calc/screen/classicrequest.h"
#include "calc/screen/classicsection.h"
#include "calc/screen/screenwidgets.h"
#include "calc/screen/showncalculation.h"
#include "calc/steel/steelcalculation.h"
#include "calc/steel/steelsectionframe.h"
#include "platform/messagebox.h"
#include "platform/palette.h"
#include "widgets/diameterswitch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace calc::steel {

// The input error box of each check of a steel calculation.
QString inputErrorText(Check check);

// The outer diameters of the catalog's sizes in list order, and the walls of one, as the lists
// name them: a size is named "outer × wall".
QStringList outerDiameters(const QList<CatalogSize>& sizes);
QStringList walls(const QList<CatalogSize>& sizes, const QString& outerDiameter);

// The handler steps that the water-gas and the electric-welded steel screens share, on the
// controls that both forms name alike, and what the screens keep between them. Each screen adds
// its own steps around these.
template <class Form>
class SteelPanel {
public:
    // The screen's handlers of its catalog lists, its other-diameter box and its calculate button.
    struct ScreenSteps {
        std::function<void()> chooseOuterDiameter;
        std::function<void()> chooseWall;
        std::function<void()> toggleOtherDiameter;
        std::function<void()> calculate;
    };

    SteelPanel(QWidget* window, Form& ui, const TableRecord& record) : window(window), ui(ui), record(record) {}

    // The calculate button and Enter in the section length run the screen's own calculate,
    // which adds its steps around calculate() below.
    void connectControls(const ScreenSteps& screenSteps, ShownCalculation* shownCalculation)
    {
        steps = screenSteps;
        shown = shownCalculation;
        shown->showFiguresIn(QList<QLabel*>{ui.Label1, ui.Label2, ui.Label3, ui.Label26} + ui.Frame3->figureLabels());
        platform::setCaptionColour(ui.Label26, warningRed);
        ui.Frame3->connectButtons(ui.Command2, ui.Command1, ui.Text1, shown, [this] { find(); }, [this] { clearAll(); });
        QObject::connect(ui.Frame3, &SteelSectionFrame::calculateRequested, window, steps.calculate);
        QObject::connect(ui.Frame3, &SteelSectionFrame::cleared, ui.Label26, &QLabel::clear);
        QObject::connect(ui.Combo1, &QComboBox::activated, window, steps.chooseOuterDiameter);
        QObject::connect(ui.Combo2, &QComboBox::activated, window, steps.chooseWall);
        QObject::connect(ui.Check1, &QCheckBox::clicked, window, steps.toggleOtherDiameter);
        // A new pipe condition asks for the wall (or the typed diameter) again.
        QObject::connect(ui.Option3, &QRadioButton::toggled, ui.Text2, &QLineEdit::clear);
        QObject::connect(ui.Option5, &QRadioButton::toggled, window, [this](bool on) {
            if (on)
                chooseColdWater();
        });
        QObject::connect(ui.Option6, &QRadioButton::toggled, window, [this](bool on) {
            if (on)
                chooseHotWater();
        });
        QObject::connect(ui.Combo3, &QComboBox::activated, window, [this] { chooseTemperature(); });
    }

    // Initial state of the shared controls, the first list filled with the catalog's outer diameters.
    void load()
    {
        ui.Check1->setChecked(false);
        diameterSwitch().returnToCatalog();
        ui.Option1->setChecked(true);
        ui.Option3->setChecked(true);
        ui.Option5->setChecked(true);
        fillOuterDiameters();
        ui.Combo2->clear();
        ui.Combo3->clear();
        ui.Combo3->hide();
        ui.Label21_0->hide();
        ui.Label21_1->hide();
    }

    void fillOuterDiameters() { fillList(ui.Combo1, outerDiameters(sizes())); }

    void find() { run(request(false)); }

    // The find and its section; returns the outcome as shown.
    CalculationOutcome calculate() { return run(request(true)); }

    // Main clear: the flow, the results and the section.
    void clearAll()
    {
        shown->forget();
        ui.Label1->clear();
        ui.Label2->clear();
        ui.Label2->setToolTip(QString());
        ui.Text1->clear();
        ui.Text1->setToolTip(QString());
        ui.Frame3->clear();
    }

    // Outer diameter chosen from the list: keeps it, offers its walls and shows the local-loss
    // box for the sizes it is made for; returns the diameter (mm).
    double chooseOuterDiameter()
    {
        outerDiameter = ui.Combo1->currentText();
        const double outer = parseValue(outerDiameter);
        wall.clear();
        ui.Text2->clear();
        fillList(ui.Combo2, walls(sizes(), outerDiameter));
        // No catalog size equals 80.
        if (outer > 80)
            ui.Frame3->hideLocalLosses();
        if (outer < 80)
            ui.Frame3->showLocalLosses();
        return outer;
    }

    struct ChosenWall {
        double outer;  // mm
        double wall;   // mm
        double bore;   // calculation diameter, mm
    };
    // Wall chosen from the list: keeps it and writes the calculation diameter of the pipe into
    // the diameter input.
    ChosenWall chooseWall()
    {
        wall = ui.Combo2->currentText();
        const auto pipe = sizeNamed(sizes(), chosenPipe());
        const double bore = pipe ? pipe->calculationDiameterMm : 0.0;
        ui.Text2->setText(storedNumberText(bore));
        return {parseValue(outerDiameter), parseValue(wall), bore};
    }

    // The other-diameter box: the typed-diameter state that every click passes through, and the
    // way back to the catalog when the box is unticked; the screen refills its first list.
    void enterTypedDiameterMode() { diameterSwitch().enterTypedDiameterMode(); }
    void returnToCatalog() { diameterSwitch().returnToCatalog(); }

    // The conditions in the order of the steel records: state, system, temperature, system type.
    SizeQuery sizeQuery() const
    {
        const bool coldWater = ui.Option5->isChecked();
        SizeQuery query;
        query.chosen = {condition() == PipeCondition::NonNew ? 0 : 1, coldWater ? 0 : 1, coldWater ? -1 : temperature,
                        ui.Frame3->systemTypePosition()};
        query.flow = typedFlow(ui.Text1, ui.Option1);
        return query;
    }

    // The inputs, with the section where a length is typed.
    CalculationRequest request() const
    {
        CalculationRequest asked = request(false);
        asked.length = ui.Frame3->typedLength();
        if (asked.length)
            asked.localLosses.counted = ui.Frame3->withLocalLosses();
        return asked;
    }

    // Sets the request on the screen as its user would and calculates it as its buttons do.
    bool apply(const CalculationRequest& request)
    {
        const auto setConditions = [this](const ConditionChoices& chosen) {
            return classic::selectOption({ui.Option3, ui.Option4}, choiceAt(chosen, 0))
                   && classic::selectOption({ui.Option5, ui.Option6}, choiceAt(chosen, 1))
                   && classic::chooseCondition({ui.Combo3, [this] { chooseTemperature(); }}, record, 2, chosen)
                   && classic::chooseCondition(ui.Frame3->systemTypeList(), record, 3, chosen);
        };
        return classic::setRequest(window,
                                   {.otherDiameter = ui.Check1,
                                    .conditions = setConditions,
                                    .sizeLists = {{ui.Combo1, steps.chooseOuterDiameter}, {ui.Combo2, steps.chooseWall}},
                                    .diameter = ui.Text2,
                                    .flow = ui.Text1,
                                    .litresPerSecond = ui.Option1,
                                    .cubicMetresPerHour = ui.Option2,
                                    .length = ui.Frame3->lengthInput(),
                                    .find = [this] { find(); },
                                    .calculate = steps.calculate,
                                    .localLosses = [this](bool counted) { ui.Frame3->countLocalLosses(counted); }},
                                   record, request);
    }

private:
    widgets::DiameterSwitch diameterSwitch() const
    {
        widgets::DiameterSwitch box;
        box.diameter = ui.Text2;
        box.lists = {ui.Combo1, ui.Combo2};
        box.catalogCaptions = {ui.Label7_0, ui.Label7_1, ui.Label7_3, ui.Label7_4};
        box.typedCaptions = {ui.Label12_0, ui.Label12_1};
        return box;
    }

    PipeCondition condition() const { return ui.Option3->isChecked() ? PipeCondition::NonNew : PipeCondition::New; }

    // The catalog of the conditions chosen: the pipe condition gives the calculation diameters.
    QList<CatalogSize> sizes() const { return record.sizes(sizeQuery().chosen); }

    // The pipe as the lists name it, either part missing while not chosen.
    QString chosenPipe() const { return outerDiameter + QStringLiteral(" × ") + wall; }

    // The inputs as the find, or with section the calculate button, reads them: the pipe as the
    // lists name it, or none for a typed diameter.
    CalculationRequest request(bool section) const
    {
        CalculationRequest asked{.table = record.number, .conditions = sizeQuery()};
        if (!ui.Check1->isChecked())
            asked.size = chosenPipe();
        asked.diameterMm = parseValue(ui.Text2->text());
        if (section) {
            asked.length = ui.Frame3->length();
            asked.localLosses.counted = ui.Frame3->withLocalLosses();
        }
        return asked;
    }

    CalculationOutcome run(const CalculationRequest& request)
    {
        const CalculationRequest withLastFind = lastFound.attachedTo(request);
        const CalculationOutcome outcome = record.calculate(withLastFind);
        lastFound.take(withLastFind, outcome);
        show(request, outcome);
        classic::publish(shown, request, outcome, QString());
        return outcome;
    }

    // The find's results or its error box, then a section's: a find that stops does not stop the
    // section, which goes on with the 1000i of the last find that went through.
    void show(const CalculationRequest& asked, const CalculationOutcome& outcome)
    {
        const Figures& figures = outcome.figures;
        if (figures.flow)
            ui.Text1->setToolTip(flowTooltip(*figures.flow));
        if (classic::foundThrough(outcome)) {
            ui.Label1->setText(velocityText(*figures.velocity));
            ui.Label2->setText(thousandIText(*figures.thousandI));
            ui.Frame3->clearHeadLossText();
            ui.Label2->setToolTip(slopePressureTooltip(*figures.thousandI));
            ui.Label26->setText(outcome.velocityWarning);
            if (asked.size.isEmpty())
                ui.Label3->setText(numberText(*figures.diameterMm));
        } else {
            platform::showInputError(window, inputErrorText(*outcome.failed));
        }
        if (!asked.length)
            return;
        ui.Frame3->showSection(outcome);
        if (outcome.sectionFailed)
            platform::showInputError(window, inputErrorText(*outcome.sectionFailed));
    }

    void chooseColdWater()
    {
        ui.Label21_0->hide();
        ui.Label21_1->hide();
        temperature = -1;
        ui.Combo3->clear();
        ui.Combo3->hide();
        ui.Frame3->showSystemTypes(SystemKind::ColdWater);
    }

    void chooseHotWater()
    {
        ui.Label21_0->show();
        ui.Label21_1->show();
        ui.Combo3->show();
        fillList(ui.Combo3, hotWaterTemperatures());
        ui.Frame3->showSystemTypes(SystemKind::HotWater);
    }

    // ν follows the temperature in the record's reading of the request.
    void chooseTemperature() { temperature = ui.Combo3->currentIndex(); }

    QWidget* window;
    Form& ui;
    TableRecord record;
    ScreenSteps steps;
    ShownCalculation* shown = nullptr;

    QString outerDiameter;  // the chosen outer diameter as the list names it
    QString wall;           // the chosen wall as the list names it
    int temperature = -1;   // position of the chosen hot-water temperature among hotWaterTemperatures()
    classic::LastFound lastFound;
};

}  // namespace calc::steel
