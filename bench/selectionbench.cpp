#include "bench/selectionbench.h"

#include "bench/median.h"
#include "calc/steel/steelrecords.h"
#include "report/pagepainter.h"
#include "select/frmpodbor.h"
#include "select/sizetable.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double elapsedMs(const QElapsedTimer& clock) { return double(clock.nsecsElapsed()) / 1e6; }

calc::SizeQuery coldWaterNonNew() { return {{0, 0, -1, 0}, {0, calc::FlowUnit::LitresPerSecond}}; }

calc::CalculationRequest coldWaterSection(const calc::TableRecord& record) { return {record.number, coldWaterNonNew()}; }

// The handbook page as the size selection writes it.
report::Document handbookDocument(const calc::TableRecord& record, const calc::SizeQuery& query,
                                  const selection::HandbookTable& page)
{
    return {QStringLiteral("Подбор диаметра — ") + record.title,
            {selection::conditionsText(record, {record.number, query})},
            {{page.header, page.rows, {}, 2}},
            {}};
}

}  // namespace

int typedFlowTimes(int runs)
{
    const calc::TableRecord record = calc::steel::electricWeldedRecord();
    selection::showSizeSelection([record] { return selection::Request{record, coldWaterSection(record), QString()}; });
    QWidget* window = nullptr;
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (shown->objectName() == QLatin1String("frmpodbor"))
            window = shown;
    if (!window || !QTest::qWaitForWindowExposed(window))
        return 1;
    auto* flow = window->findChild<QLineEdit*>(QStringLiteral("flowInput"));
    auto* table = window->findChild<QTableView*>(QStringLiteral("sizesTable"));
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        flow->clear();
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(flow, char('1' + run % 9));
        QCoreApplication::processEvents();
        table->viewport()->repaint();
        times.push_back(elapsedMs(clock));
    }
    std::printf("%.1f %.1f %d\n", median(times), times.front(), int(table->model()->rowCount()));
    window->close();
    return 0;
}

int handbookTimes(int runs)
{
    const calc::TableRecord record = calc::steel::electricWeldedRecord();
    const calc::SizeQuery query = coldWaterNonNew();
    const QList<calc::CatalogSize> sizes = record.sizes(query.chosen).mid(200, 20);
    std::vector<double> builds;
    std::vector<double> pdfs;
    int pages = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        const selection::HandbookTable page = selection::handbookTable(record, coldWaterSection(record), sizes, {0.1, 100, 0.1});
        builds.push_back(elapsedMs(clock));
        const report::Document document = handbookDocument(record, query, page);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        clock.restart();
        pages = report::writePdf(document, pdf);
        pdfs.push_back(elapsedMs(clock));
    }
    std::printf("%.1f %.1f %.1f %d\n", median(builds), builds.front(), median(pdfs), pages);
    return 0;
}

int largestHandbookTimes(int runs)
{
    const calc::TableRecord record = calc::steel::electricWeldedRecord();
    const calc::SizeQuery query = coldWaterNonNew();
    const QList<calc::CatalogSize> sizes = record.sizes(query.chosen);
    struct Page {
        QList<calc::CatalogSize> sizes;
        selection::FlowRange range;
    };
    for (const Page& shape : {Page{sizes, {1, 138, 1}}, Page{sizes.mid(200, 49), {0.01, 20, 0.01}}}) {
        std::vector<double> builds;
        std::vector<double> pdfs;
        int pages = 0;
        // The longest time the work went without telling its progress, from its start to its end.
        double longestPause = 0;
        QElapsedTimer sinceTold;
        const report::Progress told = [&](qint64, qint64) {
            longestPause = std::max(longestPause, elapsedMs(sinceTold));
            sinceTold.restart();
            return true;
        };
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer clock;
            clock.start();
            sinceTold.start();
            const selection::HandbookTable page = selection::handbookTable(record, coldWaterSection(record), shape.sizes, shape.range, told);
            told(0, 0);
            builds.push_back(elapsedMs(clock));
            if (!page.error.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(page.error));
                return 1;
            }
            const report::Document document = handbookDocument(record, query, page);
            QBuffer pdf;
            pdf.open(QIODevice::WriteOnly);
            clock.restart();
            sinceTold.restart();
            pages = report::writePdf(document, pdf, told);
            told(0, 0);
            pdfs.push_back(elapsedMs(clock));
        }
        std::printf("%.1f %.1f %d %.1f ", median(builds), median(pdfs), pages, longestPause);
    }
    std::printf("\n");
    return 0;
}
