#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

namespace platform {

// The bar of a long work with its "Отмена" button, modal to the window that started the work.
// It appears once the work has gone on for 0,1 s, so that the window never stays frozen longer
// without it; while it is up, the program answers the user between two steps of the work.
class WorkProgress {
public:
    WorkProgress(QWidget* parent, const QString& label);
    ~WorkProgress();
    WorkProgress(const WorkProgress&) = delete;
    WorkProgress& operator=(const WorkProgress&) = delete;

    // How much is done of all there is; false once the user has cancelled.
    bool advance(qint64 done, qint64 total);
    // advance() as a function to hand to the work.
    std::function<bool(qint64 done, qint64 total)> callback();

private:
    QString label;
    std::unique_ptr<QProgressDialog> dialog;
    QElapsedTimer sinceUpdate;
    bool cancelled = false;
};

// Tests take the steps instead of a shown bar: the label, the work done and in all; false cancels.
// An empty function restores the bar.
using ProgressReplacement = std::function<bool(const QString& label, qint64 done, qint64 total)>;
void setProgressReplacement(ProgressReplacement replacement);

}  // namespace platform
