#include "calc/castiron_cement/frmtablII3.h"

#include "calc/screen/classicsection.h"
#include "calc/screen/advicelabel.h"
#include "calc/common/messages.h"
#include "calc/common/numbertext.h"
#include "calc/registry/tables.h"
#include "calc/screen/screenwidgets.h"
#include "calc/common/valueparse.h"
#include "platform/messagebox.h"
#include "platform/palette.h"

#include <cmath>

using namespace calc;
using namespace calc::castiron;

namespace {

const AdviceWording adviceWording{
    .leadIn = [](int size) { return QStringLiteral("Применение трубы с условным проходом %1мм при расходе ").arg(size); },
    .justifiedEnding = [](int) { return QStringLiteral("экономически обосновано."); },
    .separator = QStringLiteral("м куб/ч "),
    .recommendation =
        [](int size) {
            return (size <= 300 ? QStringLiteral("рекомендуется использовать трубу класса ЛА, с условным проходом %1мм")
                                : QStringLiteral("рекомендуется использовать трубу класса А, с условным проходом %1мм"))
                .arg(size);
        },
};

}  // namespace

frmtablII3::frmtablII3(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    prepareCalculatorWindow(this, table(3), {ui.Command5, {ui.Label1}, widgets::LinkStyle::DarkBlueWithTooltip});

    for (auto* option : {ui.Option3, ui.Option4})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                chooseClass();
        });
    connect(ui.Combo1, &QComboBox::activated, this, [this] { ui.Label5->setText(ui.Combo1->currentText()); });
    connect(ui.Check1, &QCheckBox::clicked, this, &frmtablII3::toggleOtherDiameter);
    connectClassicButtons(this, {ui.Command2, ui.Command1, ui.Command3, ui.Command4, ui.Text1, ui.Text3},
                          {[this] { find(); }, [this] { clearAll(); }, [this] { calculate(); },
                           [this] { clearSection(); }});

    load();
}

Condition frmtablII3::condition() const { return ui.Option2->isChecked() ? Condition::New : Condition::NonNew; }

void frmtablII3::load()
{
    ui.Text2->setEnabled(false);
    ui.Option3->setEnabled(true);
    ui.Option4->setEnabled(true);
    platform::setCaptionColour(ui.Label14, platform::Black);
    platform::setCaptionColour(ui.Label12, platform::Grey);
    platform::setCaptionColour(ui.Label13, platform::Grey);
    ui.Combo1->setEnabled(true);
    ui.Option1->setChecked(true);
    ui.Option3->setChecked(true);
    ui.Option5->setChecked(true);
    fillList(ui.Combo1, sizes(PipeClass::LA));
}

// The chosen size stays in Label5: until another is chosen, the find keeps using it.
void frmtablII3::chooseClass() { fillList(ui.Combo1, sizes(ui.Option3->isChecked() ? PipeClass::LA : PipeClass::A)); }

void frmtablII3::toggleOtherDiameter()
{
    ui.Combo1->clear();
    ui.Text2->setEnabled(true);
    ui.Text2->clear();
    ui.Combo1->setEnabled(false);
    platform::setCaptionColour(ui.Label14, platform::Grey);
    platform::setCaptionColour(ui.Label12, platform::Black);
    platform::setCaptionColour(ui.Label13, platform::Black);
    ui.Option3->setEnabled(false);
    ui.Option4->setEnabled(false);
    if (!ui.Check1->isChecked())
        load();
}

void frmtablII3::find()
{
    using namespace calc::messages;
    const double typedFlow = parseValue(ui.Text1->text());
    if (typedFlow <= 0)
        return platform::showInputError(this, flowZero);

    const bool typedDiameter = ui.Check1->isChecked();
    ui.Label11->setText(QStringLiteral("dp="));
    double size = 0;
    if (!typedDiameter) {
        size = classic::shownNumber(ui.Label5->text());
        ui.Label11->setText(QStringLiteral("d="));
    } else {
        size = parseValue(ui.Text2->text());
    }
    if (size <= 0)
        return platform::showInputError(this, diameterZero);

    const Pipe* pipe = typedDiameter ? nullptr : findPipe(size);
    const double dpMm = pipe ? calculationDiameter(*pipe, condition()) : size;
    const double flow = flowCubicMetresPerSecond(typedFlow, chosenFlowUnit(ui.Option5));
    const double v = meanVelocity(flow, dpMm * std::pow(10.0, -3));
    const double thousandI = 1000.0 * slope(dpMm * std::pow(10.0, -3), v, condition());
    if (!flowIsShowable(flow) || !allFinite({size, v, thousandI, thousandI * gravity}))
        return platform::showInputError(this, notComputable);

    ui.Label5->setText(numberText(size));
    if (pipe)
        ui.Text2->setToolTip(diameterTooltip(*pipe, condition()));
    ui.Text2->setText(storedNumberText(dpMm));
    ui.Text1->setToolTip(flowTooltip(flow));
    ui.Label3->setText(velocityText(v));
    ui.Label4->setText(thousandIText(thousandI));
    giveAdvice(flow, pipe ? std::optional<double>(pipe->size) : std::nullopt);
    Label15 = storedNumberText(thousandI);
    ui.Label4->setToolTip(slopePressureTooltip(thousandI));
}

// catalogSize: the size whose catalog row gave the calculation diameter; a typed diameter has none.
void frmtablII3::giveAdvice(double flow, std::optional<double> catalogSize)
{
    EconomicAdvice advice(flow, economicRanges(), BoundRule::LowerIncluded);
    if (flow < 0.45)
        advice.empty();
    advice.applySizeRules(catalogSize, adviceWording, {.from = 80});
    // 3400 l/s closes the last band and belongs to no rule: no advice there either.
    if (advice.litresPerSecond() >= 3400)
        advice.empty();
    if (advice.inBand(50) && catalogSize == 50)
        advice.empty();
    showAdvice(ui.Label7, advice.writes());
}

void frmtablII3::calculate()
{
    find();
    classic::showSectionHeadLoss(this, ui.Label10, ui.Text3->text(), Label15);
}

void frmtablII3::clearAll()
{
    ui.Label3->clear();
    ui.Label4->clear();
    ui.Label7->clear();
    ui.Label4->setToolTip(QString());
    ui.Label10->setToolTip(QString());
    ui.Text2->clear();
    ui.Text2->setToolTip(QString());
    ui.Text1->clear();
    ui.Text1->setToolTip(QStringLiteral("введите сюда значение расхода"));
}

void frmtablII3::clearSection()
{
    ui.Label10->clear();
    ui.Label10->setToolTip(QString());
    ui.Text3->clear();
}
