#include "report/frmsistema.h"

#include "calc/carrier/heatload.h"
#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
#include "calc/screen/fixturekindchooser.h"
#include "calc/network/networkfaults.h"
#include "platform/messagebox.h"
#include "widgets/escapecloses.h"

#include <cmath>

namespace {

QString inputText(double value) { return calc::storedNumberText(value); }

// A typed number; none for an empty or unreadable text.
std::optional<double> number(const QLineEdit* input)
{
    const QString text = input->text().trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const double value = calc::parseValue(text);
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

}  // namespace

frmsistema::frmsistema(report::TableKind kind, const report::NetworkSettings& settings, calc::FixtureWater water,
                       QWidget* parent)
    : QWidget(parent, Qt::Window), kind(kind), settings(settings)
{
    ui.setupUi(this);
    (new calc::FixtureKindChooser(ui.waterKindList, ui.fixtureKindList, ui.fixtureFlowInput, ui.fixtureHourFlowLabel))
        ->setWater(water);
    setAttribute(Qt::WA_DeleteOnClose);
    widgets::closeOnEscape(this);
    const bool heating = kind == report::TableKind::Heating;
    ui.waterPage->setVisible(!heating);
    ui.heatingPage->setVisible(heating);
    setWindowTitle(QStringLiteral("Параметры системы — ") + report::kindName(kind));
    const calc::network::WaterSupplySystem& system = settings.water;
    const std::pair<QLineEdit*, double> figures[] = {{ui.fixtureFlowInput, system.fixtureFlow}, {ui.hourNormInput, system.hourNorm},
                                                     {ui.velocityLimitInput, system.velocityLimit}, {ui.metersInput, system.meters},
                                                     {ui.heaterInput, system.heater}, {ui.inletInput, system.inlet},
                                                     {ui.temperatureDropInput, settings.heating.temperatureDrop},
                                                     {ui.reserveInput, settings.heating.reserve * 100}};
    for (const auto& [input, value] : figures)
        if (value != 0 || input == ui.metersInput || input == ui.heaterInput || input == ui.inletInput)
            input->setText(inputText(value));
    if (system.guaranteed)
        ui.guaranteedInput->setText(inputText(*system.guaranteed));
    ui.bothPipesBox->setChecked(settings.heating.bothPipes);
    ui.noteLabel->setText(heating ? QStringLiteral("Теплоноситель, его c и ρ — те, что заданы для участков таблицы.")
                                  : QStringLiteral("Гарантированный напор оставьте пустым, если он не известен."));
    connect(ui.applyButton, &QPushButton::clicked, this, &frmsistema::apply);
    connect(ui.closeButton, &QPushButton::clicked, this, &QWidget::close);
    adjustSize();
}

std::optional<report::NetworkSettings> frmsistema::typed(QString& refusal) const
{
    report::NetworkSettings result = settings;
    const auto read = [&refusal](const QLineEdit* input, double& value) {
        const std::optional<double> typed = number(input);
        if (!typed && refusal.isEmpty())
            refusal = QStringLiteral("Графа «%1»: введите число").arg(input->accessibleName());
        value = typed.value_or(value);
    };
    if (kind == report::TableKind::Heating) {
        read(ui.temperatureDropInput, result.heating.temperatureDrop);
        double percent = 0;
        read(ui.reserveInput, percent);
        result.heating.reserve = percent / 100;
        result.heating.bothPipes = ui.bothPipesBox->isChecked();
        // The carrier comes from the rows: the window checks its own figures only.
        calc::network::HeatingSystem own = result.heating;
        own.heatCapacity = calc::carrier::minHeatCapacity;
        own.density = 1;
        if (refusal.isEmpty())
            refusal = calc::network::heatingSystemFault(own);
    } else {
        calc::network::WaterSupplySystem& water = result.water;
        read(ui.fixtureFlowInput, water.fixtureFlow);
        read(ui.hourNormInput, water.hourNorm);
        read(ui.velocityLimitInput, water.velocityLimit);
        read(ui.metersInput, water.meters);
        read(ui.heaterInput, water.heater);
        read(ui.inletInput, water.inlet);
        water.guaranteed = number(ui.guaranteedInput);
        if (refusal.isEmpty() && !ui.guaranteedInput->text().trimmed().isEmpty() && !water.guaranteed)
            refusal = QStringLiteral("Графа «%1»: введите число").arg(ui.guaranteedInput->accessibleName());
        if (refusal.isEmpty())
            refusal = calc::network::waterSystemFault(water);
    }
    if (!refusal.isEmpty())
        return std::nullopt;
    return result;
}

void frmsistema::apply()
{
    QString refusal;
    const std::optional<report::NetworkSettings> result = typed(refusal);
    if (!result)
        return platform::showInputError(this, refusal);
    emit applied(*result);
    close();
}
