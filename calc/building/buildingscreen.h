#pragma once

#include "calc/building/buildinghydraulics.h"
#include "calc/common/tablerecord.h"
#include "calc/screen/calculatorscreen.h"
#include "widgets/documentlink.h"

#include <QList>
#include <QWidget>
#include <optional>

class ClickableLabel;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace calc {
class ShownCalculation;
}

namespace calc::building {

class BuildingPanel;

// A copper, PEX or PEX-AL-PEX screen bound to its table's request both ways: the option groups
// of the record's conditions up to the system, the other-diameter box and the diameter input,
// and the panel with the temperature, the carrier, the flow, the length and the fittings. Each
// screen keeps its own lists of sizes and its own system steps.
class BuildingScreen : public QWidget, public CalculatorScreen {
    Q_OBJECT
public:
    CalculationRequest request() const override;
    // Leaves a typed diameter first, so that a series can be chosen, then sets the options, the
    // temperature, the carrier, the size and the section in the order a user sets them.
    bool apply(const CalculationRequest& request) override;

protected:
    BuildingScreen(const TableRecord& record, QWidget* parent);

    struct Controls {
        BuildingPanel* panel;
        QList<QList<QRadioButton*>> conditionOptions;  // II-10's series, then the system
        QCheckBox* otherDiameter;
        QLineEdit* diameter;
        QAbstractButton* helpButton;
        QList<ClickableLabel*> documentLinks;
        widgets::LinkStyle linkStyle;
        QAbstractButton* selectSizeButton;
        QAbstractButton* reportButton;
        QAbstractButton* addSectionButton;
    };
    // Called once the form is set up, before the load steps.
    void bind(const Controls& parts);

    virtual SystemKind kind() const = 0;
    // The size the lists name, whether or not a diameter is typed.
    virtual QString chosenSize() const = 0;
    // Chooses the size of this designation in the lists as a user does; false where they have none.
    virtual bool chooseSize(const QString& designation) = 0;
    // The other-diameter box was clicked.
    virtual void toggleOtherDiameter() = 0;

    ConditionChoices conditionChoices() const;
    SizeQuery sizeQuery() const;
    // The catalog size of the conditions chosen.
    std::optional<CatalogSize> catalogSize(const QString& designation) const;
    QStringList catalogDesignations() const;
    // The calculation diameter of the catalog size of this designation into the diameter input.
    void showCatalogDiameter(const QString& designation);

    const TableRecord record;
    ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons

private:
    void calculate();
    bool applySize(const CalculationRequest& request);

    Controls controls{};
};

// The item of this text chosen in the list as a click chooses it, before the list's handler
// runs; false where the list has none.
bool chooseItem(QComboBox* list, const QString& item);

}  // namespace calc::building
