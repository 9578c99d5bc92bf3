#include "calc/building/frmtablII10.h"

#include "calc/building/buildingpanel.h"
#include "widgets/screenfit.h"
#include "calc/building/buildingrecords.h"
#include "calc/building/pexcatalog.h"
#include "calc/building/polymerscreen.h"
#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
#include "calc/screen/screenwidgets.h"
#include "platform/palette.h"

using namespace calc;
using namespace calc::building;

namespace {
// The series options from top to bottom.
constexpr pex::Series seriesOrder[] = {pex::Series::Sdr13_6, pex::Series::Sdr11, pex::Series::Sdr9,
                                       pex::Series::Sdr7_4, pex::Series::Sdr6};

pex::Series selectedSeries(const Ui::frmtablII10& ui)
{
    const QRadioButton* options[] = {ui.Option4, ui.Option9, ui.Option10, ui.Option11, ui.Option12};
    for (int i = 0; i < 5; ++i)
        if (options[i]->isChecked())
            return seriesOrder[i];
    return pex::Series::Sdr13_6;
}
}  // namespace

frmtablII10::frmtablII10(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    shown = prepareCalculatorWindow(this, calc::building::pexRecord(), {ui.Command3, {ui.Label5}, widgets::LinkStyle::BlueWithoutTooltip,
                             ui.selectSizeButton, ui.reportButton, ui.addSectionButton, ui.panel->flowInput(),
                             [this] { return sizeQuery(); }, [this] { return ui.panel->heatingCarrier(polymer->kind()); }});
    ui.panel->setMaterial(Material::Pex);
    polymer = new PolymerScreen(ui.panel, ui.Option1, ui.Option2, ui.Option3, ui.Text2);
    polymer->publishTo(pexRecord(), shown, [this] {
        return CalculationRequest{.table = 10, .conditions = sizeQuery(), .size = chosenSize(ui.Check13, ui.Combo1)};
    });
    ui.Label17->hide();
    emptyOnBlank(ui.Text2);
    diameterSwitch.diameter = ui.Text2;
    diameterSwitch.lists = {ui.Combo1};
    diameterSwitch.catalogCaptions = {ui.Label7};
    diameterSwitch.typedCaptions = {ui.Label8};
    diameterSwitch.catalogOnly = {ui.Frame9, ui.Option4, ui.Option9, ui.Option10, ui.Option11, ui.Option12};

    for (auto* series : {ui.Option4, ui.Option9, ui.Option10, ui.Option11, ui.Option12})
        onSelected(series, this, &frmtablII10::chooseSeries);
    connect(ui.Check13, &QCheckBox::clicked, this, &frmtablII10::toggleOtherDiameter);
    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII10::chooseOuterDiameter);

    load();
    arrangeBuildingScreen(this, ui, ui.Option3);
}

void frmtablII10::load()
{
    polymer->load();
    ui.Option4->setChecked(true);
    ui.Text2->setEnabled(false);
    chooseSeries();
    platform::setCaptionColour(ui.Label7, platform::Black);
    platform::setCaptionColour(ui.Label8, platform::Grey);
}

void frmtablII10::chooseSeries()
{
    ui.Text2->clear();
    fillList(ui.Combo1, pex::outerDiameters(selectedSeries(ui)));
}

void frmtablII10::toggleOtherDiameter()
{
    diameterSwitch.enterTypedDiameterMode();
    if (ui.Check13->isChecked())
        return;
    diameterSwitch.returnToCatalog();
    // SDR 13,6 comes back with its list, whichever series was chosen before.
    ui.Option4->setChecked(true);
    chooseSeries();
}

void frmtablII10::chooseOuterDiameter()
{
    ui.Label17->setText(ui.Combo1->currentText());
    const double inner = pex::innerDiameter(parseValue(ui.Label17->text()), selectedSeries(ui));
    ui.Text2->setText(storedNumberText(inner));
}

// Series, system, then the temperature and heat carrier of the panel.
SizeQuery frmtablII10::sizeQuery() const
{
    return ui.panel->sizeQuery(pexRecord(), {int(selectedSeries(ui)), polymer->systemPosition()});
}
