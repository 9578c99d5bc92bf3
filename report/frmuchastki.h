#pragma once

#include "report/sections.h"
#include "report/sectionsmodel.h"
#include "ui_frmuchastki.h"

#include <QString>
#include <QWidget>

// The hydraulic calculation of a system section by section: the sections that calculators hand
// over, their totals, and the file that keeps them.
class frmuchastki : public QWidget {
    Q_OBJECT
public:
    explicit frmuchastki(report::RecordLookup records, QWidget* parent = nullptr);

    // Appends the section, calculated again, as a new row; false when it does not compute.
    bool addSection(const calc::CalculationRequest& request);
    bool isModified() const { return modified; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    int selectedRow() const;
    void selectRow(int row);
    void removeSelected();
    void moveSelected(int step);
    bool save();
    bool changesSettled();
    void open();
    void setModified(bool changed);
    void fitColumns();
    void showState();

    Ui::frmuchastki ui;
    report::RecordLookup records;
    report::SectionsModel model;
    bool modified = false;
    QString filePath;  // the file last saved or opened
};
