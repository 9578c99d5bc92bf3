#include "bench/sectionsbench.h"

#include "bench/median.h"
#include "calc/registry/tables.h"
#include "report/sectionfile.h"

#include <QElapsedTimer>
#include <cstdio>
#include <vector>

namespace {

const calc::TableRecord* record(int number)
{
    return number >= 1 && number <= calc::tableCount ? &calc::table(number) : nullptr;
}

// Sections of the largest catalog (II-2), a polyethylene pipe and a copper heating pipe with
// fittings, in turn.
QList<report::Section> sections(int count)
{
    const calc::LocalLosses noLosses{};
    const calc::LocalLosses fittings{false, {2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, std::nullopt};
    const QList<calc::CalculationRequest> kinds{
        {2, {{0, 0, -1, 0}, {1.5, calc::FlowUnit::LitresPerSecond}}, QStringLiteral("1420 × 20"), 0, 100, {true, {}, {}}},
        {5, {{3, 4}, {5, calc::FlowUnit::LitresPerSecond}}, QStringLiteral("110"), 0, 100, noLosses},
        {9, {{3, 2, 0}, {0.2, calc::FlowUnit::LitresPerSecond}}, QStringLiteral("15 × 1.0"), 0, 10, fittings}};
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
