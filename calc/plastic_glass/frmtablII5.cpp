#include "calc/plastic_glass/frmtablII5.h"

#include "calc/common/numbertext.h"
#include "calc/screen/classicrequest.h"
#include "calc/screen/screenwidgets.h"
#include "widgets/screenfit.h"

#include <algorithm>
#include <iterator>

using namespace calc;
using namespace calc::plastic_glass;
namespace pe = calc::plastic_glass::polyethylene;

frmtablII5::frmtablII5(const TableRecord& record, QWidget* parent) : QWidget(parent), record(record)
{
    ui.setupUi(this);
    widgets::fitToScreen(this);
    shown = prepareCalculatorWindow(this, record, {ui.Command5, {ui.Label17}, widgets::LinkStyle::DarkBlueWithTooltip,
                             ui.selectSizeButton, ui.reportButton, ui.addSectionButton, ui.fixturesButton, ui.Text1, [this] { return catalogQuery(); }});
    // The advice compares the diameter shown with the results: the chosen outer diameter, or
    // the typed one, which the find shows there in typed-diameter mode.
    panel = new SimpleFindPanel({this, shown, ui.Text1, ui.Option14, ui.Option15, ui.Text2, ui.Check1, ui.Label7, ui.Label1,
                                 ui.Label3, ui.Label4, ui.Text3, ui.Label10, ui.Label8},
                                record,
                                {[this] { return sizeQuery(); },
                                 [this] { return ui.Check1->isChecked() ? QString() : chosenSize; },
                                 [this](const ConditionChoices& chosen) { return setConditions(chosen); },
                                 {ui.Combo1, [this] { chooseSize(); }}});
    materialOptions = {ui.Option1, ui.Option2, ui.Option3, ui.Option4};
    seriesOptions = {ui.Option5, ui.Option6,  ui.Option7,  ui.Option8, ui.Option9,
                     ui.Option10, ui.Option11, ui.Option12, ui.Option13};
    otherDiameter.diameter = ui.Text2;
    otherDiameter.lists = {ui.Combo1};
    otherDiameter.catalogCaptions = {ui.Label2};
    otherDiameter.typedCaptions = {ui.Label5};
    otherDiameter.catalogOnly = {ui.Frame2, ui.Frame3};
    for (auto* materialOption : materialOptions)
        otherDiameter.catalogOnly << materialOption;
    for (auto* seriesOption : seriesOptions)
        otherDiameter.catalogOnly << seriesOption;

    for (std::size_t k = 0; k < materialOptions.size(); ++k) {
        const Material material = pe::materials[k];
        materialOptions[k]->setText(pe::caption(material));
        connect(materialOptions[k], &QRadioButton::toggled, this, [this, material](bool on) {
            if (on)
                chooseMaterial(material);
        });
    }
    for (std::size_t k = 0; k < seriesOptions.size(); ++k) {
        const Series series = pe::allSeries[k];
        seriesOptions[k]->setText(pe::caption(series));
        connect(seriesOptions[k], &QRadioButton::toggled, this, [this, series](bool on) {
            if (on)
                chooseSeries(series);
        });
    }
    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII5::chooseSize);
    connect(ui.Check1, &QCheckBox::clicked, this, &frmtablII5::toggleOtherDiameter);
    connectClassicButtons(this, {ui.Command2, ui.Command1, ui.Command3, ui.Command4, ui.Text1, ui.Text3, shown},
                          {[this] { panel->find(); }, [this] { clearAll(); }, [this] { panel->calculate(); },
                           [this] { panel->clearSection(); }});

    load();
    // Material and series start at their defaults: the size list is what a user fills first.
    ui.Combo1->setFocus();
}

CalculationRequest frmtablII5::request() const { return panel->request(); }

bool frmtablII5::apply(const CalculationRequest& request) { return panel->apply(request); }

// Material, then series; a series the material does not offer is not the screen's.
bool frmtablII5::setConditions(const ConditionChoices& chosen)
{
    return classic::selectOption({materialOptions.begin(), materialOptions.end()}, choiceAt(chosen, 0))
           && classic::selectOption({seriesOptions.begin(), seriesOptions.end()}, choiceAt(chosen, 1));
}

void frmtablII5::load()
{
    ui.Option14->setChecked(true);
    ui.Check1->setChecked(false);
    otherDiameter.returnToCatalog();
    selectMaterial(Material::PE32);
}

QRadioButton* frmtablII5::option(Series series) const { return seriesOptions[static_cast<std::size_t>(series)]; }

frmtablII5::Material frmtablII5::chosenMaterial() const
{
    for (std::size_t k = 0; k < materialOptions.size(); ++k)
        if (materialOptions[k]->isChecked())
            return pe::materials[k];
    return Material::PE32;
}

std::optional<frmtablII5::Series> frmtablII5::chosenSeries(bool evenDisabled) const
{
    for (Series series : pe::allSeries)
        if (option(series)->isChecked() && (evenDisabled || option(series)->isEnabled()))
            return series;
    return std::nullopt;
}

// Material, then series, by their positions among the options.
SizeQuery frmtablII5::sizeQuery(bool evenDisabled) const
{
    SizeQuery query;
    const auto position = [](const auto& options, const auto& value) {
        return int(std::find(std::begin(options), std::end(options), value) - std::begin(options));
    };
    const std::optional<Series> series = chosenSeries(evenDisabled);
    query.chosen = {position(pe::materials, chosenMaterial()), series ? position(pe::allSeries, *series) : -1};
    query.flow = typedFlow(ui.Text1, ui.Option14);
    return query;
}

// A typed diameter disables the material and series, but they stay checked: the size selection
// offers their catalog, the pipes the typed diameter is compared with.
SizeQuery frmtablII5::catalogQuery() const
{
    return sizeQuery(ui.Check1->isChecked());
}

// Selecting an option from code runs its click action; an option already selected runs it here.
void frmtablII5::selectMaterial(Material material)
{
    QRadioButton* materialOption = materialOptions[static_cast<std::size_t>(material)];
    if (materialOption->isChecked())
        chooseMaterial(material);
    else
        materialOption->setChecked(true);
}

void frmtablII5::chooseMaterial(Material material)
{
    if (material == Material::PE32) {
        ui.Frame2->setEnabled(true);
        ui.Frame3->setEnabled(true);
        for (auto* materialOption : materialOptions)
            materialOption->setEnabled(true);
    }
    ui.Combo1->clear();
    ui.Text2->clear();
    const Series series = pe::defaultSeries(material);
    option(series)->setChecked(true);
    const auto offered = pe::enabledSeries(material);
    for (Series each : pe::allSeries)
        option(each)->setEnabled(offered.contains(each));
    fillList(ui.Combo1, pe::sizes(material, series));
}

void frmtablII5::chooseSeries(Series series)
{
    // The diameter input keeps the previous pipe until a new size is chosen.
    fillList(ui.Combo1, pe::sizes(chosenMaterial(), series));
}

void frmtablII5::chooseSize()
{
    ui.Text2->clear();
    // No series chosen and offered, no catalog of sizes.
    const auto size = sizeNamed(record.sizes(sizeQuery().chosen), ui.Combo1->currentText());
    ui.Text2->setText(storedNumberText(size ? size->calculationDiameterMm : 0.0));
    if (!ui.Check1->isChecked()) {
        chosenSize = ui.Combo1->currentText();
        ui.Label1->setText(chosenSize);
        ui.Label7->setText(QStringLiteral("d="));
        for (auto* label : {ui.Label1, ui.Label7})
            label->setToolTip(QStringLiteral("условный проход"));
    }
}

void frmtablII5::toggleOtherDiameter()
{
    clearAll();
    otherDiameter.enterTypedDiameterMode();
    if (!ui.Check1->isChecked()) {
        otherDiameter.returnToCatalog();
        // Back to the catalog always means ПЭ32 and its default series; its selection leaves
        // only that material's series enabled.
        selectMaterial(Material::PE32);
    }
}

void frmtablII5::clearAll()
{
    ui.Label8->clear();
    chosenSize.clear();
    ui.Label1->clear();
    ui.Label7->clear();
    ui.Text1->clear();
    ui.Text1->setToolTip(QString());
    ui.Text2->clear();
    ui.Label3->clear();
    ui.Label4->clear();
    ui.Label4->setToolTip(QString());
}
