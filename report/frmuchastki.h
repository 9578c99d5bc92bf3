#pragma once

#include "report/sections.h"
#include "report/sectionsmodel.h"
#include "ui_frmuchastki.h"

#include <QPersistentModelIndex>
#include <QString>
#include <QWidget>
#include <functional>

class QMenu;

namespace report {
// A row opened in its calculator: its number, and the replacing of the row by a section the
// calculator hands back, false where the row is gone or the section is refused.
struct OpenedRow {
    QString number;
    std::function<bool(const calc::CalculationRequest& section)> replace;
};
// The program's calculators, which this table may not know: whether one of a table can be opened
// with a request set on it, and opening it so.
struct CalculatorOpener {
    std::function<bool(int table)> opens;
    std::function<void(const calc::CalculationRequest& request, const OpenedRow& row)> open;
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
    // The row at `row` takes the section in its place, keeping its number, its ends and what
    // sits at its end; false, with the user told why, where it is gone or the section is refused.
    bool replaceSection(const QPersistentModelIndex& row, const calc::CalculationRequest& request);
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
    // The section recalculated for a row, as a new one or in the place of one, with the user told
    // why where it does not compute or cannot be kept; `action` starts the message.
    std::optional<report::Section> calculatedForRow(const calc::CalculationRequest& handed, const QString& number,
                                                    const QString& action);
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
