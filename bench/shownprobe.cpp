// Preloaded into a Qt program (LD_PRELOAD): when its first window has been shown and painted,
// writes the CLOCK_MONOTONIC time in nanoseconds to the file named by TALVERTABLE_BENCH_SHOWN
// and ends the program, so that its peak memory is that of its start-up.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWindow>
#include <time.h>

namespace {

class ShownProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed() && !reported) {
            reported = true;
            // Runs once the window has handled its expose event, that is, painted itself.
            QTimer::singleShot(0, this, &ShownProbe::report);
        }
        return false;
    }

private:
    void report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        QFile file(qEnvironmentVariable("TALVERTABLE_BENCH_SHOWN"));
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray::number(qint64(now.tv_sec) * 1000000000 + now.tv_nsec));
        file.close();
        QCoreApplication::quit();
    }

    bool reported = false;
};

void installProbe() { qApp->installEventFilter(new ShownProbe(qApp)); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
