#pragma once

#include "calc/registry/tables.h"
#include "report/frmuchastki.h"
#include "ui_Form1.h"

#include <QPointer>
#include <QWidget>
#include <array>

// The main menu: one button per calculator, at most one calculator open at a time.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Calculator {
        QPushButton* button = nullptr;
        QPointer<QWidget> window;
        bool opened = false;  // opened at least once during this run
    };

    void openCalculator(int index);
    void openWindow(QPointer<QWidget>& window, bool& opened, QWidget* (*create)());
    frmuchastki* openSections();
    void addSection(const calc::CalculationRequest& request);
    void openWithRequest(const calc::CalculationRequest& request, const report::OpenedRow& row);

    Ui::Form1 ui;
    std::array<Calculator, calc::tableCount> calculators;
    QPointer<QWidget> reference;
    QPointer<QWidget> about;
    QPointer<frmuchastki> sections;
    bool referenceOpened = false;
    bool aboutOpened = false;
};
