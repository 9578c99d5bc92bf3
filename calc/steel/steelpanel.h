#pragma once

#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
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
        const SteelInput asked = input();
        const SteelResult result = steel::calculate(asked);
        showFound(asked, result);
        publish(asked, result);
    }

    SteelResult calculate()
    {
        SteelInput asked = input();
        asked.section = SteelSectionInput{ui.Frame3->length(), ui.Frame3->withLocalLosses(), parseValue(Label16)};
        const SteelResult result = steel::calculate(asked);
        showFound(asked, result);
        ui.Frame3->showSection(*result.section);
        if (result.section->failed)
            platform::showInputError(window, inputErrorText(*result.section->failed));
        publish(asked, result);
        return result;
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
    // A find, or a find with its section, that passed every check is what the results show;
    // a stopped one has shown its error box.
    void publish(const SteelInput& asked, const SteelResult& result)
    {
        if (result.failed || (result.section && result.section->failed))
            return shown->forget();
        CalculationRequest request;
        request.table = table;
        request.conditions = sizeQuery();
        if (!asked.typedDiameter)
            request.size = ui.Combo1->currentText() + QStringLiteral(" × ") + ui.Combo2->currentText();
        request.diameterMm = *result.figures.diameterMm;
        if (asked.section) {
            request.length = asked.section->length;
            request.localLosses.counted = asked.section->withLocalLosses;
        }
        shown->show(request, {result.figures, result.velocityWarning, QString(),
                              result.section ? result.section->text : QString()});
    }

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

    SteelInput input() const
    {
        SteelInput asked;
        asked.condition = condition();
        asked.system = ui.Option5->isChecked() ? SystemKind::ColdWater : SystemKind::HotWater;
        asked.systemTypePosition = ui.Frame3->systemTypePosition();
        asked.temperature = parseValue(Label22);
        asked.viscosityE6 = parseValue(Label23);
        asked.typedDiameter = parseValue(Label27) == 1;
        asked.outerDiameter = parseValue(Label19);
        asked.wall = parseValue(Label20);
        asked.diameterMm = parseValue(ui.Text2->text());
        asked.flow = typedFlow(ui.Text1, ui.Option1);
        return asked;
    }

    void showFound(const SteelInput& asked, const SteelResult& result)
    {
        const Figures& figures = result.figures;
        if (figures.flow)
            ui.Text1->setToolTip(flowTooltip(*figures.flow));
        if (result.failed)
            return platform::showInputError(window, inputErrorText(*result.failed));
        ui.Label1->setText(velocityText(*figures.velocity));
        ui.Label2->setText(thousandIText(*figures.thousandI));
        ui.Frame3->clearHeadLossText();
        Label16 = storedNumberText(*figures.thousandI);
        ui.Label2->setToolTip(slopePressureTooltip(*figures.thousandI));
        ui.Label26->setText(result.velocityWarning);
        if (asked.typedDiameter)
            ui.Label3->setText(numberText(*figures.diameterMm));
    }

    void chooseColdWater()
    {
        ui.Label21_0->hide();
        ui.Label21_1->hide();
        Label22.clear();
        ui.Combo3->clear();
        ui.Combo3->hide();
        Label23 = storedNumberText(coldWaterViscosityE6);
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

    void chooseTemperature()
    {
        Label22 = ui.Combo3->currentText();
        Label23 = storedNumberText(hotWaterViscosityE6(Label22));
    }

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
    QString Label23;  // ν·10^6
};

}  // namespace calc::steel
