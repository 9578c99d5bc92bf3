#pragma once

#include "calc/common/tablerecord.h"
#include "calc/screen/calculatoropeners.h"
#include "report/document.h"
#include "select/sizetable.h"
#include "ui_frmpodbor.h"
#include "widgets/texttablemodel.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

namespace selection {

using Request = calc::SizeSelectionRequest;
using RequestSource = calc::SizeSelectionSource;

// Opens the one size-selection window, or brings it up with the calculator's request. While it is
// open it takes the calculator's request again whenever an input of the calculator changes; it
// closes with the calculator that asked for it last.
void showSizeSelection(const RequestSource& source, QWidget* calculator = nullptr);

}  // namespace selection

// Every size of a catalog for one flow, and the handbook page of a range of flows.
class frmpodbor : public QWidget {
    Q_OBJECT
public:
    explicit frmpodbor(QWidget* parent = nullptr);

    // Takes the calculator's request now and after every change of its inputs.
    void follow(const selection::RequestSource& source, QWidget* calculator);
    void fitToScreen();

private:
    void takeCalculatorRequest();
    void setRequest(const selection::Request& request, bool takeFlow);
    void showLimitsOf(bool heating);
    void limitsEdited();
    // The limits as typed, none while one of them is wrong; the message names the wrong one.
    std::optional<calc::DesignLimits> typedLimits() const;
    void markHandbook();
    calc::CalculationRequest currentSection() const;
    void showSizes();
    void showPendingSizes();
    void fitSizeColumns(const QList<QStringList>& rows);
    void fillShownSizes();
    void setAllSizesShown(bool shown);
    void buildHandbook();
    report::Document document() const;

    Ui::frmpodbor ui;
    selection::RequestSource source;
    QPointer<QObject> calculatorWatch;  // the connections to the calculator followed
    QTimer calculatorRefresh;
    selection::Request request;
    std::optional<bool> limitsOfHeating;  // the system whose limits the inputs hold
    selection::HandbookTable handbookPage;
    TextTableModel sizesModel;
    TextTableModel handbookModel;
    QTimer sizesRefresh;
    QList<qsizetype> fittedTextLengths;  // the longest text of each column when last fitted
};
