#include "bench/sectionsbench.h"

#include "bench/median.h"
#include "calc/registry/tables.h"
#include "platform/filedialogs.h"
#include "report/frmuchastki.h"
#include "report/outputs.h"
#include "report/sectionfile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <vector>

namespace {

const calc::TableRecord* record(int number)
{
    return number >= 1 && number <= calc::tableCount ? &calc::table(number) : nullptr;
}

// Sections of the largest catalog (II-2), a polyethylene pipe and a copper cold-water pipe with
// fittings, in turn: one system, as a table holds.
QList<report::Section> sections(int count)
{
    const calc::LocalLosses noLosses{};
    const calc::LocalLosses fittings{false, {2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, std::nullopt};
    const QList<calc::CalculationRequest> kinds{
        {2, {{0, 0, -1, 0}, {1.5, calc::FlowUnit::LitresPerSecond}}, QStringLiteral("1420 × 20"), 0, 100, {true, {}, {}}},
        {5, {{3, 4}, {5, calc::FlowUnit::LitresPerSecond}}, QStringLiteral("110"), 0, 100, noLosses},
        {9, {{0, -1, -1}, {0.2, calc::FlowUnit::LitresPerSecond}}, QStringLiteral("15 × 1.0"), 0, 10, fittings}};
    QList<report::Section> made;
    for (int k = 0; k < count; ++k)
        made.append({QString::number(k + 1), kinds.at(k % kinds.size()), {}, {}});
    return made;
}

}  // namespace

int sectionsFileTimes(int runs)
{
    const QByteArray file = report::sectionsFile(sections(report::sectionsLimit), record);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        const report::SectionsRead read = report::readSectionsFile(file, record);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (!read.error.isEmpty() || read.sections.size() != report::sectionsLimit) {
            std::fprintf(stderr, "the file did not open: %s\n", qPrintable(read.error));
            return 1;
        }
    }
    std::printf("%.1f %.1f %lld\n", median(times), times.front(), qint64(file.size() / 1024));
    return 0;
}

int sectionsTableTimes(int runs)
{
    constexpr int count = 1000;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("участки.talver"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(report::sectionsFile(sections(count), record)) <= 0)
        return 1;
    file.close();
    platform::setFileDialogReplacement([&path](const platform::FileDialogRequest&) { return path; });
    auto* window = new frmuchastki(record);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    auto* table = window->findChild<QTableView*>(QStringLiteral("sectionsTable"));
    auto* open = window->findChild<QAbstractButton*>(QStringLiteral("openButton"));
    std::vector<double> opened;
    std::vector<double> edited;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        open->click();
        QCoreApplication::processEvents();
        table->viewport()->repaint();
        opened.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (table->model()->rowCount() != count)
            return 1;
        // The length of a row on screen, every row's running sum below it with it.
        const QModelIndex length = table->model()->index(3, 6);
        clock.restart();
        table->model()->setData(length, run % 2 == 0 ? QStringLiteral("120") : QStringLiteral("80"));
        QCoreApplication::processEvents();
        table->viewport()->repaint();
        edited.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (table->model()->index(3, 6).data().toString() != (run % 2 == 0 ? QStringLiteral("120") : QStringLiteral("80")))
            return 1;
        // The edited table is let go unasked.
        table->model()->setData(length, QStringLiteral("100"));
        window->findChild<QAbstractButton*>(QStringLiteral("saveButton"))->click();
    }
    std::printf("%.1f %.1f %.2f %.2f\n", median(opened), opened.front(), median(edited), edited.front());
    window->close();
    return 0;
}
