#pragma once

#include "calc/common/tablerecord.h"
#include "report/document.h"
#include "ui_frmpodbor.h"
#include "widgets/texttablemodel.h"

#include <QTimer>
#include <QWidget>

namespace selection {

// What a calculator hands to the size selection: its table, its conditions and the flow as
// typed on it.
struct Request {
    calc::TableRecord record;
    calc::SizeQuery query;  // the flow's unit is the calculator's; its value is read from flowText
    QString flowText;
};

// Opens the one size-selection window, or brings it up with the new conditions; it closes with
// the calculator that asked for it last.
void showSizeSelection(const Request& request, QWidget* calculator = nullptr);

}  // namespace selection

// Every size of a catalog for one flow, and the handbook page of a range of flows.
class frmpodbor : public QWidget {
    Q_OBJECT
public:
    explicit frmpodbor(QWidget* parent = nullptr);

    void setRequest(const selection::Request& request);
    void fitToScreen();

private:
    calc::SizeQuery currentQuery() const;
    void showSizes();
    void showPendingSizes();
    void fitSizeColumns(const QList<QStringList>& rows);
    void fillShownSizes();
    void setAllSizesShown(bool shown);
    void buildHandbook();
    report::Document document() const;

    Ui::frmpodbor ui;
    selection::Request request;
    TextTableModel sizesModel;
    TextTableModel handbookModel;
    QTimer sizesRefresh;
    QList<qsizetype> fittedTextLengths;  // the longest text of each column when last fitted
};
