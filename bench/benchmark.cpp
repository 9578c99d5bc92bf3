// Figures for bench/run.sh.
//   talvertable_bench startup RUNS PROGRAM...
//       starts each PROGRAM RUNS times, in turns so that a change of the machine's load
//       touches all alike, with the shown probe preloaded, and prints per PROGRAM the medians
//       of the time from the start of the process to its first shown window (ms) and of its
//       peak resident memory (KiB): "<ms> <KiB>".
//   talvertable_bench open RUNS
//       opens each calculator of the main menu RUNS times and prints, per calculator, the median
//       and the first time from the click on its button to the calculator shown:
//       "II-<n> <median ms> <first ms>", or "II-<n> -" when the button opens nothing yet.
//   talvertable_bench typed RUNS
//       types a key RUNS times into the flow of the size selection of II-2 and prints the median
//       and the first time to its sizes table painted, and the number of sizes:
//       "<median ms> <first ms> <sizes>".
//   talvertable_bench handbook RUNS
//       builds the handbook page of 1,000 flows across 20 sizes of II-2 RUNS times and writes it
//       as PDF: "<median build ms> <first build ms> <median PDF ms> <pages>".
//   talvertable_bench largest RUNS
//       builds the largest handbook pages the cell limit allows and writes them as PDF:
//       "<build ms> <PDF ms> <pages>" for 138 flows × 721 sizes, then for 2,000 flows × 49 sizes.
//   talvertable_bench sections RUNS
//       reads a sections file of 10,000 sections RUNS times: "<median ms> <first ms> <KiB>".
//   talvertable_bench table RUNS
//       opens a table of 1,000 sections in its window and edits a length, RUNS times:
//       "<open median ms> <open first ms> <edit median ms> <edit first ms>".
//   talvertable_bench network RUNS
//       computes a network of 1,000 sections again after one end's fixtures (water supply) or
//       heat load (heating) changed, RUNS times each:
//       "<water median ms> <water first ms> <heating median ms> <heating first ms>".
#include "app/calculators.h"
#include "app/form1.h"
#include "bench/median.h"
#include "bench/networkbench.h"
#include "bench/sectionsbench.h"
#include "bench/selectionbench.h"
#include "platform/desktop.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

qint64 monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

struct StartRun {
    double milliseconds;
    double peakKilobytes;
};

std::optional<StartRun> startOnce(QByteArray program, const QByteArray& reportFile)
{
    QFile::remove(QString::fromLocal8Bit(reportFile));
    QByteArrayList environment;
    for (char** variable = environ; *variable; ++variable) {
        const QByteArray entry(*variable);
        if (!entry.startsWith("LD_PRELOAD=") && !entry.startsWith("TALVERTABLE_BENCH_SHOWN="))
            environment << entry;
    }
    environment << QByteArray("LD_PRELOAD=" SHOWN_PROBE_LIBRARY) << "TALVERTABLE_BENCH_SHOWN=" + reportFile;
    std::vector<char*> environmentPointers;
    for (QByteArray& entry : environment)
        environmentPointers.push_back(entry.data());
    environmentPointers.push_back(nullptr);
    char* arguments[] = {program.data(), nullptr};

    const qint64 started = monotonicNanoseconds();
    pid_t child = 0;
    if (posix_spawn(&child, program.constData(), nullptr, nullptr, arguments, environmentPointers.data()) != 0)
        return std::nullopt;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    QFile report(QString::fromLocal8Bit(reportFile));
    if (!report.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 shown = report.readAll().toLongLong();
    return StartRun{double(shown - started) / 1e6, double(usage.ru_maxrss)};
}

int startup(const QByteArrayList& programs, int runs)
{
    const QByteArray reportFile =
        QDir::temp().filePath(QStringLiteral("talvertable-bench-shown-%1").arg(getpid())).toLocal8Bit();
    std::vector<std::vector<double>> times(programs.size());
    std::vector<std::vector<double>> memories(programs.size());
    // The first rounds only warm up the file cache and the display server.
    constexpr int warmUpRounds = 3;
    for (int run = -warmUpRounds; run < runs; ++run) {
        for (qsizetype i = 0; i < programs.size(); ++i) {
            const std::optional<StartRun> result = startOnce(programs[i], reportFile);
            if (!result) {
                std::fprintf(stderr, "%s did not show a window\n", programs[i].constData());
                return 1;
            }
            if (run < 0)
                continue;
            times[i].push_back(result->milliseconds);
            memories[i].push_back(result->peakKilobytes);
        }
    }
    QFile::remove(QString::fromLocal8Bit(reportFile));
    for (qsizetype i = 0; i < programs.size(); ++i)
        std::printf("%.1f %.0f\n", median(times[i]), median(memories[i]));
    return 0;
}

// Notes the last window that became exposed.
class ExposeWatch : public QObject {
public:
    QWindow* exposed = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose)
            if (auto* window = qobject_cast<QWindow*>(watched); window && window->isExposed())
                exposed = window;
        return false;
    }
};

// Waits until the window has been exposed; it paints while handling that event.
bool waitShown(const ExposeWatch& watch, const QWindow* window)
{
    QTimer wakeUp;
    wakeUp.start(20);
    QElapsedTimer waited;
    waited.start();
    while (watch.exposed != window) {
        if (waited.elapsed() > 10000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

QWidget* shownCalculator(int number)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("frmtablII%1").arg(number) && window->isVisible())
            return window;
    return nullptr;
}

int openTimes(int runs)
{
    ExposeWatch watch;
    qApp->installEventFilter(&watch);
    auto* menu = new Form1;
    menu->show();
    if (!waitShown(watch, menu->windowHandle()))
        return 1;
    for (const app::TableWindows& table : app::tableWindows()) {
        const int number = table.number;
        auto* button = menu->findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer clock;
            clock.start();
            button->click();
            QWidget* calculator = shownCalculator(number);
            if (!calculator)
                break;
            if (!waitShown(watch, calculator->windowHandle()))
                return 1;
            times.push_back(double(clock.nsecsElapsed()) / 1e6);
            calculator->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
        if (times.empty())
            std::printf("II-%d -\n", number);
        else
            std::printf("II-%d %.1f %.1f\n", number, median(times), times.front());
        std::fflush(stdout);
    }
    menu->close();
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "startup" && argc >= 4) {
        QByteArrayList programs;
        for (int i = 3; i < argc; ++i)
            programs << argv[i];
        return startup(programs, std::max(1, atoi(argv[2])));
    }
    if (mode == "open" && argc == 3) {
        QApplication app(argc, argv);
        platform::setUpDesktop();
        app::setCalculatorOpeners();
        return openTimes(std::max(1, atoi(argv[2])));
    }
    if ((mode == "typed" || mode == "handbook" || mode == "largest") && argc == 3) {
        QApplication app(argc, argv);
        platform::setUpDesktop();
        const int runs = std::max(1, atoi(argv[2]));
        if (mode == "largest")
            return largestHandbookTimes(runs);
        return mode == "typed" ? typedFlowTimes(runs) : handbookTimes(runs);
    }
    if (mode == "table" && argc == 3) {
        QApplication app(argc, argv);
        platform::setUpDesktop();
        return sectionsTableTimes(std::max(1, atoi(argv[2])));
    }
    if (mode == "sections" && argc == 3) {
        QCoreApplication app(argc, argv);
        return sectionsFileTimes(std::max(1, atoi(argv[2])));
    }
    if (mode == "network" && argc == 3) {
        QCoreApplication app(argc, argv);
        return networkTimes(std::max(1, atoi(argv[2])));
    }
    std::fprintf(stderr, "usage: %s startup RUNS PROGRAM... | open RUNS | typed RUNS | handbook RUNS | largest RUNS | sections RUNS | table RUNS | network RUNS\n",
                 argv[0]);
    return 2;
}
