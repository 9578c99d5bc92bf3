#pragma once

#include "report/frmuchastki.h"
#include "ui_Form1.h"

#include <QPointer>
#include <QWidget>
#include <vector>

// The main menu: one button per table of app::tableWindows(), at most one calculator open at a time.
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
    std::vector<Calculator> calculators;
    QPointer<QWidget> reference;
    QPointer<QWidget> about;
    QPointer<frmuchastki> sections;
    bool referenceOpened = false;
    bool aboutOpened = false;
};
