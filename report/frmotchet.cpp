#include "report/frmotchet.h"

#include "report/calculationrecord.h"
#include "report/renderings.h"
#include "widgets/escapecloses.h"
#include "widgets/screenfit.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QPointer>
#include <QTextDocument>

namespace report {

void showCalculationRecord(const calc::TableRecord& record, const calc::CalculationRequest& request)
{
    static QPointer<frmotchet> window;
    if (!window)
        window = new frmotchet;
    QStringList lines = recordLines(record, request, record.calculate(request));
    lines.insert(1, QStringLiteral("Дата и время расчета: ")
                        + QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")));
    window->setRecord(record, lines);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace report

frmotchet::frmotchet(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    widgets::closeOnEscape(this);
    ui.outputBar->setCsvVisible(false);
    ui.outputBar->setDocumentProvider([this] { return document; });
    // One line of the record to a paragraph: close together, so that a whole record reads at a glance.
    ui.reportText->document()->setDefaultStyleSheet(QStringLiteral("p { margin-top: 0; margin-bottom: 3px; }"));
    // Room for the longest formula line and a page of lines, at any font size.
    const QFontMetrics metrics(ui.reportText->font());
    resize(QSize(metrics.averageCharWidth() * 110, metrics.lineSpacing() * 40).boundedTo(widgets::screenRoom(this)));
}

void frmotchet::setRecord(const calc::TableRecord& record, const QStringList& lines)
{
    setWindowTitle(QStringLiteral("Отчёт — ") + record.title.trimmed());
    document = {};
    if (!lines.isEmpty()) {
        document.title = lines.front();
        document.paragraphs = lines.mid(1);
    }
    // Every line is escaped by the HTML rendering, so no typed text is read as markup.
    ui.reportText->setHtml(report::html(document));
}
