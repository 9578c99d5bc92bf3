#pragma once

#include <QList>

class QComboBox;
class QLineEdit;
class QWidget;

namespace widgets {

// What a screen's other-diameter box switches between: the catalog lists or a typed diameter.
// Every click first puts the screen into typed-diameter mode; unticked, it then returns to the
// catalog, and the screen refills its first list in its own way.
struct DiameterSwitch {
    QLineEdit* diameter = nullptr;
    QList<QComboBox*> lists;
    QList<QWidget*> catalogCaptions;  // grey while a diameter is typed
    QList<QWidget*> typedCaptions;    // grey while the catalog is used
    QList<QWidget*> catalogOnly;      // disabled while a diameter is typed (option groups)
    // The screens whose lists stay filled in both states keep a typed value in the input and
    // their lists' items; the others empty both.
    bool keepsTypedValue = false;

    void enterTypedDiameterMode() const;
    void returnToCatalog() const;
};

}  // namespace widgets
