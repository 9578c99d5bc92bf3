#pragma once

#include "calc/common/calculationrequest.h"
#include "calc/common/tablerecord.h"
#include "report/document.h"
#include "ui_frmotchet.h"

#include <QWidget>

namespace report {

// Opens the one record window with this calculation, or replaces its content, and brings it up:
// the record writes the request and its table's outcome of it.
void showCalculationRecord(const calc::TableRecord& record, const calc::CalculationRequest& request);

}  // namespace report

// The record of one calculation for an explanatory note: every formula with its numbers put in,
// to copy, print or save as PDF.
class frmotchet : public QWidget {
    Q_OBJECT
public:
    explicit frmotchet(QWidget* parent = nullptr);

    void setRecord(const calc::TableRecord& record, const QStringList& lines);

private:
    Ui::frmotchet ui;
    report::Document document;
};
