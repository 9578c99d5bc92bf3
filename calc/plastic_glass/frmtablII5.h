#pragma once

#include "calc/screen/calculatorscreen.h"
#include "calc/screen/showncalculation.h"
#include "calc/screen/simplefindpanel.h"
#include "calc/plastic_glass/polyethylenecatalog.h"
#include "calc/common/tablerecord.h"
#include "widgets/diameterswitch.h"
#include "ui_frmtablII5.h"

#include <QWidget>
#include <array>
#include <optional>

// Table II-5: polyethylene pressure pipes, ГОСТ 18599-2001.
class frmtablII5 : public QWidget, public calc::CalculatorScreen {
    Q_OBJECT
public:
    explicit frmtablII5(const calc::TableRecord& record, QWidget* parent = nullptr);

    calc::CalculationRequest request() const override;
    bool apply(const calc::CalculationRequest& request) override;

private:
    using Material = calc::plastic_glass::polyethylene::Material;
    using Series = calc::plastic_glass::polyethylene::Series;

    void load();
    void selectMaterial(Material material);
    void chooseMaterial(Material material);
    void chooseSeries(Series series);
    void chooseSize();
    void toggleOtherDiameter();
    void clearAll();

    QRadioButton* option(Series series) const;
    Material chosenMaterial() const;
    // The selected series, when its option is also enabled.
    std::optional<Series> chosenSeries(bool evenDisabled = false) const;
    calc::SizeQuery sizeQuery(bool evenDisabled = false) const;
    calc::SizeQuery catalogQuery() const;
    bool setConditions(const calc::ConditionChoices& chosen);

    Ui::frmtablII5 ui;
    calc::TableRecord record;
    calc::ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons
    calc::SimpleFindPanel* panel;
    std::array<QRadioButton*, 4> materialOptions;
    std::array<QRadioButton*, 9> seriesOptions;
    widgets::DiameterSwitch otherDiameter;
    // The outer diameter last chosen from the list, as it names it, while the results show it.
    QString chosenSize;
};
