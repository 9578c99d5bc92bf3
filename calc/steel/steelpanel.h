#pragma once

#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
#include "calc/registry/tables.h"
#include "calc/screen/classicsection.h"
#include "calc/screen/screenwidgets.h"
#include "calc/screen/showncalculation.h"
#include "calc/steel/steelcalculation.h"
#include "calc/steel/steelrecords.h"
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

// The handler steps that the water-gas and the electric-welded steel screens share, on the
// controls that both forms name alike; it keeps the screens' state fields. Each screen connects
// its own catalog lists and other-diameter box and adds its own steps around these.
template <class Form>
class SteelPanel {
public:
    using WallList = QStringList (*)(double outerDiameter);

    SteelPanel(QWidget* window, Form& ui, WallList walls, int table) : window(window), ui(ui), walls(walls), table(table)
    {
    }

    // The calculate button and Enter in the section length run the screen's own calculate,
    // which adds its steps around calculate() below.
    void connectControls(std::function<void()> calculateOnScreen, ShownCalculation* shownCalculation)
    {
        shown = shownCalculation;
        platform::setCaptionColour(ui.Label26, warningRed);
        ui.Frame3->connectButtons(ui.Command2, ui.Command1, ui.Text1, shown, [this] { find(); }, [this] { clearAll(); });
        QObject::connect(ui.Frame3, &SteelSectionFrame::calculateRequested, window, std::move(calculateOnScreen));
        QObject::connect(ui.Frame3, &SteelSectionFrame::cleared, ui.Label26, &QLabel::clear);
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

    // Initial state of the shared controls, the first list filled with these outer diameters.
    void load(const QStringList& outerDiameters)
    {
        ui.Check1->setChecked(false);
        diameterSwitch().returnToCatalog();
        ui.Option1->setChecked(true);
        ui.Option3->setChecked(true);
        ui.Option5->setChecked(true);
        fillList(ui.Combo1, outerDiameters);
        ui.Combo2->clear();
        ui.Combo3->clear();
        ui.Combo3->hide();
        ui.Label21_0->hide();
        ui.Label21_1->hide();
    }

    void find()
    {
        const CalculationRequest asked = request(false);
        const CalculationOutcome outcome = calc::table(table).calculate(asked);
        showFound(asked, outcome);
        classic::publish(shown, asked, outcome, QString());
    }

    // The find and its section; returns the section as shown.
    CalculationOutcome calculate()
    {
        const CalculationRequest asked = request(true);
        const CalculationOutcome outcome = calc::table(table).calculate(asked);
        showFound(asked, outcome);
        // A failed find does not stop the section: it goes on with the 1000i stored before.
        const CalculationOutcome section =
            classic::foundThrough(outcome) ? outcome : sectionAfterFailedFind(asked, parseValue(Label16));
        ui.Frame3->showSection(section);
        if (section.failed)
            platform::showInputError(window, inputErrorText(*section.failed));
        classic::publish(shown, asked, outcome, QString());
        return section;
    }

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

    // Outer diameter chosen from the list: stores it, offers its walls and shows the local-loss
    // box for the sizes it is made for; returns the diameter (mm).
    double chooseOuterDiameter()
    {
        const double outer = parseValue(ui.Combo1->currentText());
        Label19 = storedNumberText(outer);
        Label20.clear();
        ui.Text2->clear();
        fillList(ui.Combo2, walls(outer));
        // No catalog size equals 80.
        if (outer > 80)
            ui.Frame3->hideLocalLosses();
        if (outer < 80)
            ui.Frame3->showLocalLosses();
        return outer;
    }

    struct ChosenWall {
        double wall;  // mm
        double bore;  // calculation diameter, mm
    };
    // Wall chosen from the list: stores it and writes the calculation diameter into the diameter input.
    ChosenWall chooseWall()
    {
        const double wall = parseValue(ui.Combo2->currentText());
        const double bore = calculationDiameter(parseValue(Label19), wall, condition());
        ui.Text2->setText(storedNumberText(bore));
        Label20 = storedNumberText(wall);
        return {wall, bore};
    }

    // The other-diameter box: the typed-diameter state that every click passes through, and the
    // way back to the catalog when the box is unticked; the screen refills its first list.
    void enterTypedDiameterMode()
    {
        Label27 = QStringLiteral("1");
        diameterSwitch().enterTypedDiameterMode();
    }
    void returnToCatalog()
    {
        diameterSwitch().returnToCatalog();
        Label27 = QStringLiteral("0");
    }

    // The conditions in the order of the steel records: state, system, temperature, system type.
    SizeQuery sizeQuery() const
    {
        const bool coldWater = ui.Option5->isChecked();
        SizeQuery query;
        query.chosen = {condition() == PipeCondition::NonNew ? 0 : 1, coldWater ? 0 : 1,
                        coldWater ? -1 : int(hotWaterTemperatures().indexOf(Label22)), ui.Frame3->systemTypePosition()};
        query.flow = typedFlow(ui.Text1, ui.Option1);
        return query;
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

    // The inputs as the state fields keep them: the pipe by the lists' names of its outer
    // diameter and wall, either missing while not chosen, or none for a typed diameter.
    CalculationRequest request(bool section) const
    {
        CalculationRequest asked{.table = table, .conditions = sizeQuery()};
        if (parseValue(Label27) != 1)
            asked.size = listName(ui.Combo1, Label19) + QStringLiteral(" × ") + listName(ui.Combo2, Label20);
        asked.diameterMm = parseValue(ui.Text2->text());
        if (section) {
            asked.length = ui.Frame3->length();
            asked.localLosses.counted = ui.Frame3->withLocalLosses();
        }
        return asked;
    }

    // A stored choice as the list names it, while the list shows it.
    static QString listName(const QComboBox* list, const QString& stored)
    {
        return !stored.isEmpty() && parseValue(list->currentText()) == parseValue(stored) ? list->currentText() : stored;
    }

    void showFound(const CalculationRequest& asked, const CalculationOutcome& outcome)
    {
        const Figures& figures = outcome.figures;
        if (figures.flow)
            ui.Text1->setToolTip(flowTooltip(*figures.flow));
        if (!classic::foundThrough(outcome))
            return platform::showInputError(window, inputErrorText(*outcome.failed));
        ui.Label1->setText(velocityText(*figures.velocity));
        ui.Label2->setText(thousandIText(*figures.thousandI));
        ui.Frame3->clearHeadLossText();
        Label16 = storedNumberText(*figures.thousandI);
        ui.Label2->setToolTip(slopePressureTooltip(*figures.thousandI));
        ui.Label26->setText(outcome.velocityWarning);
        if (asked.size.isEmpty())
            ui.Label3->setText(numberText(*figures.diameterMm));
    }

    void chooseColdWater()
    {
        ui.Label21_0->hide();
        ui.Label21_1->hide();
        Label22.clear();
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

    // ν (the state field Label23) follows the temperature in the record's reading of the request.
    void chooseTemperature() { Label22 = ui.Combo3->currentText(); }

    QWidget* window;
    Form& ui;
    WallList walls;
    int table;  // 1 or 2
    ShownCalculation* shown = nullptr;

    // State fields kept as text, read back through the value parse.
    QString Label27;  // other-diameter flag
    QString Label19;  // chosen outer diameter
    QString Label20;  // chosen wall
    QString Label16;  // 1000i of the last find
    QString Label22;  // hot-water temperature
};

}  // namespace calc::steel
