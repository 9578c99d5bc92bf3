#pragma once

#include "report/sections.h"
#include "report/sectionsmodel.h"
#include "ui_frmuchastki.h"

#include <QString>
#include <QWidget>
#include <functional>

class QMenu;

namespace report {
// The program's calculators, which this table may not know: whether one of a table can be opened
// with a request set on it, and opening it so.
struct CalculatorOpener {
    std::function<bool(int table)> opens;
    std::function<void(const calc::CalculationRequest& request)> open;
};
}  // namespace report

// The hydraulic calculation of a system section by section: the sections that calculators hand
// over, edited in place, their running sums and totals, the title block, and the file that
// keeps them.
class frmuchastki : public QWidget {
    Q_OBJECT
public:
    explicit frmuchastki(report::RecordLookup records, report::CalculatorOpener calculators = {},
                         QWidget* parent = nullptr);
    ~frmuchastki() override;

    // Appends the section, calculated again, as a new row; false when it does not compute or is
    // of another system than the table's and the user keeps this table.
    bool addSection(const calc::CalculationRequest& request);
    bool isModified() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<int> selectedRows() const;
    void selectRow(int row);
    void removeSelected();
    void moveSelected(int step);
    void openInCalculator();
    bool opensInCalculator(const QList<int>& rows) const;
    // To the file the table came from or was last saved to; a new table asks for a name.
    bool save();
    bool saveAs();
    bool saveTo(const QString& path);
    bool changesSettled();
    void open();
    void openFile(const QString& path);
    void newTable();
    void startTable(const QList<report::Section>& sections, std::optional<report::TableKind> kind,
                    const report::TitleBlock& title, const QString& path, const report::NetworkSettings& network = {});
    report::TitleBlock titleBlock() const;
    void remember(const QString& path);
    void fillRecentMenu();
    void fitColumns();
    void widenColumns();
    void openSystem();
    void chooseSizes();
    void showResults();
    void showState();

    Ui::frmuchastki ui;
    report::RecordLookup records;
    report::CalculatorOpener calculators;
    report::SectionsModel model;
    QMenu* recentMenu;
    bool titleEdited = false;
    QString filePath;  // the file last saved or opened
};
