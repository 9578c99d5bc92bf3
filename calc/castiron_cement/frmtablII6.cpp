#include "calc/castiron_cement/frmtablII6.h"

#include "calc/castiron_cement/reinforcedconcrete.h"
#include "calc/screen/advicelabel.h"
#include "calc/registry/tables.h"
#include "calc/screen/screenwidgets.h"
#include "calc/common/valueparse.h"

using namespace calc;

namespace {

const AdviceWording adviceWording{
    .leadIn = [](int size) { return QStringLiteral("Применение трубы с условным проходом %1мм при расходе ").arg(size); },
    .justifiedEnding = [](int) { return QStringLiteral("экономически обосновано.  "); },
    .separator = QStringLiteral("м куб/ч, "),
    .recommendation = [](int size) { return QStringLiteral("рекомендуется использовать трубу с условным проходом %1мм").arg(size); },
};

}  // namespace

frmtablII6::frmtablII6(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    prepareCalculatorWindow(this, table(6), {ui.Command5, {ui.Label12}, widgets::LinkStyle::DarkBlueWithTooltip});
    panel = new SimpleFindPanel({this, ui.Text1, ui.Option1, ui.Text2, ui.Check1, ui.Label6, ui.Label3, ui.Label1,
                                 ui.Label2, ui.Text3, ui.Label10},
                                reinforcedconcrete::slope, QString());

    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII6::chooseSize);
    connect(ui.Check1, &QCheckBox::clicked, this, &frmtablII6::toggleOtherDiameter);
    connectClassicButtons(this, {ui.Command2, ui.Command1, ui.Command3, ui.Command4, ui.Text1, ui.Text3},
                          {[this] { find(); }, [this] { clearAll(); }, [this] { calculate(); },
                           [this] { panel->clearSection(); }});

    load();
}

void frmtablII6::load()
{
    ui.Combo1->clear();
    ui.Option1->setChecked(true);
    ui.Text2->setEnabled(false);
    fillList(ui.Combo1, reinforcedconcrete::sizes());
}

void frmtablII6::chooseSize() { panel->chooseListedDiameter(ui.Combo1); }

void frmtablII6::toggleOtherDiameter()
{
    clearAll();
    panel->switchDiameterSource(ui.Combo1, reinforcedconcrete::sizes());
}

void frmtablII6::find()
{
    if (const auto found = panel->find())
        giveAdvice(found->flow, found->velocity, parseValue(ui.Text2->text()));
}

void frmtablII6::giveAdvice(double flow, double velocity, double size)
{
    EconomicAdvice advice(flow, reinforcedconcrete::economicRanges(), BoundRule::UpperIncluded);
    // 35 l/s, the open lower bound of the first band, counts as below the range.
    if (advice.litresPerSecond() <= 35)
        advice.recommend(advice.recommendationText(
            adviceWording.separator, QStringLiteral("рекомендуется использовать трубу с условным проходом меньше 500мм")));
    if (advice.inBand(500) && size == 500) {
        advice.setColour(justifiedColour);
        advice.empty();
    }
    // Another size in the band of 500 gets its recommendation, as every larger band does.
    advice.applySizeRules(size, adviceWording, {.recommendationOnly = 500});
    if (advice.litresPerSecond() > 2697 && velocity > 5)
        advice.recommend(QStringLiteral(" Большая скорость! Рекомендуется использовать трубу с условным проходом более 1600мм"));
    showAdvice(ui.Label7, advice.writes());
}

void frmtablII6::calculate()
{
    find();
    panel->showSectionHeadLoss();
}

void frmtablII6::clearAll()
{
    ui.Text1->clear();
    panel->clearSection();
    for (auto* label : {ui.Label1, ui.Label2, ui.Label3, ui.Label6, ui.Label7})
        label->clear();
    ui.Label2->setToolTip(QString());
}
