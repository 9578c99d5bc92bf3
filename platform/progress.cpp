#include "platform/progress.h"

#include <QProgressDialog>

namespace platform {
namespace {
ProgressReplacement& replacement()
{
    static ProgressReplacement instance;
    return instance;
}

constexpr int barSteps = 1000;
// The bar shows itself after this time; between two of its updates the window answers events.
constexpr int showAfterMs = 100;
constexpr int updateEveryMs = 20;
}  // namespace

void setProgressReplacement(ProgressReplacement newReplacement) { replacement() = std::move(newReplacement); }

WorkProgress::WorkProgress(QWidget* parent, const QString& label) : label(label)
{
    if (replacement())
        return;
    dialog = std::make_unique<QProgressDialog>(label, QStringLiteral("Отмена"), 0, barSteps, parent);
    dialog->setWindowTitle(QStringLiteral("Таблицы Тальвера"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(showAfterMs);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setValue(0);
    sinceUpdate.start();
}

WorkProgress::~WorkProgress() = default;

bool WorkProgress::advance(qint64 done, qint64 total)
{
    if (cancelled)
        return false;
    if (replacement()) {
        cancelled = !replacement()(label, done, total);
        return !cancelled;
    }
    if (sinceUpdate.elapsed() < updateEveryMs)
        return true;
    sinceUpdate.restart();
    const int value = total > 0 ? int(std::clamp<qint64>(done * barSteps / total, 0, barSteps)) : 0;
    // Never the maximum: the bar stays up until the work is over.
    dialog->setValue(std::min(value, barSteps - 1));
    cancelled = dialog->wasCanceled();
    return !cancelled;
}

std::function<bool(qint64 done, qint64 total)> WorkProgress::callback()
{
    return [this](qint64 done, qint64 total) { return advance(done, total); };
}

}  // namespace platform
