#include "calc/castiron_cement/frmtablII4.h"

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
using namespace calc::asbestoscement;

namespace {

const QString noSizeChosen = QStringLiteral(
    "диаметр не может равняться нулю!\r введите значение диаметра в мм\r(кликни по значению в выпадающем списке)");

const AdviceWording adviceWording{
    .leadIn = [](int size) { return QStringLiteral("Применение трубы с условным проходом %1мм при расходе ").arg(size); },
    .justifiedEnding = [](int) { return QStringLiteral("экономически обосновано"); },
    .separator = QStringLiteral("м куб/ч "),
    .recommendation = [](int size) { return QStringLiteral("рекомендуется использовать трубу с условным проходом %1мм").arg(size); },
};

}  // namespace

frmtablII4::frmtablII4(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    prepareCalculatorWindow(this, table(4), {ui.Command5, {ui.Label9}, widgets::LinkStyle::DarkBlueWithTooltip});

    const auto onSelected = [this](QRadioButton* option, void (frmtablII4::*action)()) {
        connect(option, &QRadioButton::toggled, this, [this, action](bool on) {
            if (on)
                (this->*action)();
        });
    };
    onSelected(ui.Option1, &frmtablII4::chooseType1);
    onSelected(ui.Option2, &frmtablII4::chooseType2);
    onSelected(ui.Option3, &frmtablII4::chooseType3);
    for (auto* option : {ui.Option4, ui.Option5, ui.Option6, ui.Option7})
        onSelected(option, &frmtablII4::clearAll);
    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII4::chooseSize);
    connect(ui.Check1, &QCheckBox::clicked, this, &frmtablII4::toggleOtherDiameter);
    connectClassicButtons(this, {ui.Command2, ui.Command1, ui.Command3, ui.Command4, ui.Text1, ui.Text3},
                          {[this] { find(); }, [this] { clearAll(); }, [this] { calculate(); },
                           [this] { clearSection(); }});

    load();
}

bool frmtablII4::anyClassChosen() const
{
    return ui.Option4->isChecked() || ui.Option5->isChecked() || ui.Option6->isChecked() || ui.Option7->isChecked();
}

PressureClass frmtablII4::pressureClass() const
{
    if (ui.Option5->isChecked())
        return PressureClass::VT9;
    if (ui.Option6->isChecked())
        return PressureClass::VT12;
    if (ui.Option7->isChecked())
        return PressureClass::VT15;
    return PressureClass::VT6;
}

int frmtablII4::sizeType() const
{
    if (ui.Option2->isChecked())
        return 2;
    if (ui.Option3->isChecked())
        return 3;
    return 1;
}

QList<QRadioButton*> frmtablII4::classAndTypeOptions() const
{
    return {ui.Option1, ui.Option2, ui.Option3, ui.Option4, ui.Option5, ui.Option6, ui.Option7};
}

void frmtablII4::load()
{
    ui.Text2->setEnabled(false);
    ui.Option1->setChecked(true);
    ui.Option4->setChecked(true);
    ui.Option8->setChecked(true);
    if (ui.Option1->isChecked())
        ui.Option7->hide();
    fillList(ui.Combo1, sizes(1));
}

// ВТ15 has no type 1 pipes; hidden, it stays chosen if it was, and the list is kept.
void frmtablII4::chooseType1()
{
    clearAll();
    if (ui.Option1->isChecked())
        ui.Option7->hide();
    if (ui.Option4->isChecked() || ui.Option5->isChecked() || ui.Option6->isChecked())
        fillList(ui.Combo1, sizes(1));
}

void frmtablII4::chooseType2()
{
    clearAll();
    if (ui.Option2->isChecked())
        ui.Option7->show();
    if (anyClassChosen())
        fillList(ui.Combo1, sizes(2));
}

void frmtablII4::chooseType3()
{
    clearAll();
    if (ui.Option3->isChecked())
        ui.Option7->show();
    if (anyClassChosen())
        fillList(ui.Combo1, sizes(3));
}

void frmtablII4::chooseSize()
{
    ui.Label3->setText(ui.Combo1->currentText());
    const double size = parseValue(ui.Label3->text());
    const int inner = innerDiameter(size, pressureClass(), sizeType());
    if (inner > 0)
        ui.Frame3->setToolTip(pipeTooltip(int(size), pressureClass(), sizeType()));
    ui.Text2->setText(storedNumberText(inner));
}

void frmtablII4::toggleOtherDiameter()
{
    ui.Text2->setEnabled(true);
    ui.Text2->clear();
    for (auto* option : classAndTypeOptions())
        option->setEnabled(false);
    platform::setCaptionColour(ui.Label9, platform::Grey);
    platform::setCaptionColour(ui.Label13, platform::Grey);
    ui.Combo1->clear();
    ui.Combo1->setEnabled(false);
    ui.Frame1->setEnabled(false);
    ui.Frame2->setEnabled(false);
    if (ui.Check1->isChecked())
        return;

    ui.Text2->setEnabled(false);
    ui.Text2->clear();
    platform::setCaptionColour(ui.Label13, platform::Black);
    platform::setCaptionColour(ui.Label9, widgets::documentLinkDarkBlue);
    ui.Combo1->setEnabled(true);
    ui.Frame1->setEnabled(true);
    ui.Frame2->setEnabled(true);
    for (auto* option : classAndTypeOptions())
        option->setEnabled(true);
    ui.Option4->setChecked(true);
    load();
}

void frmtablII4::find()
{
    using namespace calc::messages;
    const double typedFlow = parseValue(ui.Text1->text());
    if (typedFlow <= 0)
        return platform::showInputError(this, flowZero);

    const bool typedDiameter = ui.Check1->isChecked();
    ui.Label4->setText(QStringLiteral("dp="));
    double size = 0;
    if (!typedDiameter) {
        size = classic::shownNumber(ui.Label3->text());
        ui.Label4->setText(QStringLiteral("d="));
    } else {
        size = parseValue(ui.Text2->text());
    }
    if (size <= 0)
        return platform::showInputError(this, noSizeChosen);

    // A size without a pipe of the chosen class and type is calculated as its own bore.
    const int inner = typedDiameter ? 0 : innerDiameter(size, pressureClass(), sizeType());
    const double dpMm = inner > 0 ? inner : size;
    const double flow = flowCubicMetresPerSecond(typedFlow, chosenFlowUnit(ui.Option8));
    const double v = meanVelocity(flow, dpMm * std::pow(10.0, -3));
    const double thousandI = 1000.0 * slope(dpMm * std::pow(10.0, -3), v);
    if (!flowIsShowable(flow) || !allFinite({size, v, thousandI, thousandI * gravity}))
        return platform::showInputError(this, notComputable);

    ui.Label3->setText(numberText(size));
    if (inner > 0)
        ui.Text2->setToolTip(pipeTooltip(int(size), pressureClass(), sizeType()));
    ui.Text2->setText(storedNumberText(dpMm));
    ui.Text1->setToolTip(flowTooltip(flow));
    ui.Label1->setText(velocityText(v));
    ui.Label2->setText(thousandIText(thousandI));
    Label14 = storedNumberText(thousandI);
    ui.Label2->setToolTip(slopePressureTooltip(thousandI));
    giveAdvice(flow, size);
}

void frmtablII4::giveAdvice(double flow, double size)
{
    EconomicAdvice advice(flow, economicRanges(), BoundRule::UpperIncluded);
    if (advice.inBand(100) && size == 100)
        advice.setText(QStringLiteral(" "));
    // 5 l/s, the open lower bound of the first band, counts as below the range.
    if (advice.litresPerSecond() <= 5)
        advice.recommend(advice.recommendationText(
            QStringLiteral("м куб/ч "), QStringLiteral("рекомендуется использовать трубу с условным проходом менее 100мм")));
    advice.applySizeRules(size, adviceWording, {.recommendationOnly = 100});
    if (advice.litresPerSecond() > 689)
        advice.recommend(QStringLiteral("Большая скорость! ")
                         + advice.recommendationText(QStringLiteral("м куб/ч "),
                                                     QStringLiteral(" рекомендуется использовать трубу с диаметром более 500мм")));
    showAdvice(ui.Label7, advice.writes());
}

void frmtablII4::calculate()
{
    find();
    classic::showSectionHeadLoss(this, ui.Label10, ui.Text3->text(), Label14);
}

void frmtablII4::clearAll()
{
    ui.Label1->clear();
    ui.Label2->clear();
    ui.Label3->clear();
    ui.Label7->clear();
    ui.Label2->setToolTip(QString());
    ui.Frame3->setToolTip(QString());
    ui.Text1->clear();
    ui.Text2->clear();
}

void frmtablII4::clearSection()
{
    ui.Label10->clear();
    ui.Label10->setToolTip(QString());
    ui.Text3->clear();
}
