#include "calc/building/buildingpanel.h"

#include "calc/building/buildingtexts.h"
#include "calc/common/numbertext.h"
#include "widgets/numericinput.h"
#include "calc/screen/screenwidgets.h"
#include "calc/common/valueparse.h"

namespace calc::building {

namespace {
const QColor sumColour(0, 64, 0);
}  // namespace

BuildingPanel::BuildingPanel(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    ui.Label12->hide();
    platform::setCaptionColour(ui.Label10, sumColour);
    platform::setCaptionColour(ui.Label11, sumColour);
    platform::setButtonBackground(ui.Command1, buildingRunColour);
    platform::setButtonBackground(ui.Command2, buildingClearColour);

    for (auto* input : {ui.Text1, ui.Text3, ui.Text16, ui.Text17, ui.Text18})
        emptyOnBlank(input);
    for (int row = 1; row <= fittingRows + 2; ++row) {
        if (row == fittingRows + 1)
            continue;  // no thirteenth box: "другие " is Check14
        auto* box = findChild<QCheckBox*>(QStringLiteral("Check%1").arg(row));
        connect(box, &QCheckBox::clicked, this, [this, row] { toggleFitting(row); });
        if (row <= fittingRows) {
            auto* count = findChild<NumericInput*>(QStringLiteral("Text%1").arg(row + 3));
            count->setKeyList(KeyList::B);
            emptyOnBlank(count);
        }
    }
    // A click on "другой" when it is already selected opens the inputs again.
    connect(ui.Option8, &QRadioButton::clicked, this, &BuildingPanel::chooseOtherCarrier);
}

void BuildingPanel::setMaterial(Material material)
{
    pipeMaterial = material;
    for (int row = 1; row <= fittingRows; ++row) {
        findChild<QCheckBox*>(QStringLiteral("Check%1").arg(row))->setText(fittingCaption(material, row));
        findChild<FittingDrawing*>(QStringLiteral("fittingDrawing_%1").arg(row))->load(fittingDrawing(material, row));
    }
    ui.Label14_5->setText(material == Material::PexAlPex ? QStringLiteral("x10⁻⁶ м²/с") : QStringLiteral("·10⁻⁶ м²/с"));
}

void BuildingPanel::toggleFitting(int row)
{
    const bool other = row == fittingRows + 2;
    auto* box = findChild<QCheckBox*>(QStringLiteral("Check%1").arg(row));
    auto* input = other ? ui.Text17 : findChild<NumericInput*>(QStringLiteral("Text%1").arg(row + 3));
    input->setEnabled(box->isChecked());
}

void BuildingPanel::disableCounts()
{
    for (int row = 1; row <= fittingRows; ++row)
        findChild<NumericInput*>(QStringLiteral("Text%1").arg(row + 3))->setEnabled(false);
    ui.Text17->setEnabled(false);
}

void BuildingPanel::resetFittings()
{
    for (int row = 1; row <= fittingRows; ++row) {
        findChild<QCheckBox*>(QStringLiteral("Check%1").arg(row))->setChecked(false);
        toggleFitting(row);
        findChild<NumericInput*>(QStringLiteral("Text%1").arg(row + 3))->setText(QStringLiteral("1"));
    }
    ui.Check14->setChecked(false);
    toggleFitting(fittingRows + 2);
    ui.Text17->clear();
}

void BuildingPanel::chooseOtherCarrier()
{
    for (auto* input : {ui.Text3, ui.Text18}) {
        input->setEnabled(true);
        input->clear();
    }
}

void BuildingPanel::takeTemperature() { ui.Label12->setText(ui.Combo3->currentText()); }

void BuildingPanel::setTemperatureCaptions(platform::PaletteIndex colour)
{
    for (auto* caption : {ui.Label13_0, ui.Label13_1})
        platform::setCaptionColour(caption, colour);
}

void BuildingPanel::setCarrierCaptions(platform::PaletteIndex colour)
{
    for (auto* caption : {ui.Label14_0, ui.Label14_1, ui.Label14_2, ui.Label14_3, ui.Label14_4, ui.Label14_5})
        platform::setCaptionColour(caption, colour);
}

double BuildingPanel::localResistanceSum() const
{
    double counts[fittingRows];
    for (int row = 1; row <= fittingRows; ++row) {
        const bool ticked = findChild<QCheckBox*>(QStringLiteral("Check%1").arg(row))->isChecked();
        const auto* count = findChild<NumericInput*>(QStringLiteral("Text%1").arg(row + 3));
        counts[row - 1] = ticked ? parseValue(count->text()) : 0;
    }
    const double other = ui.Check14->isChecked() ? parseValue(ui.Text17->text()) : 0;
    return building::localResistanceSum(pipeMaterial, counts, other);
}

void BuildingPanel::showLocalResistanceSum(double sum)
{
    ui.Label10->show();
    ui.Label11->show();
    ui.Label10->setText(numberText(sum));
}

void BuildingPanel::hideLocalResistanceSum()
{
    ui.Label10->hide();
    ui.Label11->hide();
}

void BuildingPanel::showVelocityAdvice(double v, SystemKind kind)
{
    if (tooFast(v, kind)) {
        platform::setCaptionColour(ui.Label3, platform::LightRed);
        ui.Label3->setText(tooFastAdvice);
        ui.Label3->setToolTip(velocityLimitText(pipeMaterial, kind));
        return;
    }
    platform::setCaptionColour(ui.Label3, platform::Black);
    ui.Label3->clear();
    if (pipeMaterial != Material::Copper)
        ui.Label3->setToolTip(QString());
}

void fitButtonsToCaptions(QWidget* window)
{
    for (auto* box : window->findChildren<QCheckBox*>())
        box->adjustSize();
    for (auto* option : window->findChildren<QRadioButton*>())
        option->adjustSize();
}

void emptyOnBlank(NumericInput* input) { QObject::connect(input, &NumericInput::blankTyped, input, &QLineEdit::clear); }

}  // namespace calc::building
