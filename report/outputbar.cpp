#include "report/outputbar.h"

#include "report/outputs.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>

namespace report {
namespace {
QPushButton* button(QWidget* bar, const char* name, const QString& caption)
{
    auto* created = new QPushButton(caption, bar);
    created->setObjectName(QLatin1String(name));
    bar->layout()->addWidget(created);
    return created;
}
}  // namespace

OutputBar::OutputBar(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    copyButton = button(this, "copyButton", QStringLiteral("Копировать"));
    csvButton = button(this, "csvButton", QStringLiteral("Сохранить CSV…"));
    printButton = button(this, "printButton", QStringLiteral("Печать…"));
    pdfButton = button(this, "pdfButton", QStringLiteral("Сохранить PDF…"));
    layout->addStretch();

    // An input with the focus takes Ctrl+C for its own text before this shortcut sees it.
    auto* copyShortcut = new QShortcut(QKeySequence::Copy, this);
    copyShortcut->setContext(Qt::WindowShortcut);
    connect(copyShortcut, &QShortcut::activated, this, &OutputBar::copy);
    connect(copyButton, &QPushButton::clicked, this, &OutputBar::copy);
    connect(csvButton, &QPushButton::clicked, this, [this] { saveCsv(window(), document()); });
    connect(printButton, &QPushButton::clicked, this, [this] { print(window(), document()); });
    connect(pdfButton, &QPushButton::clicked, this, [this] { savePdf(window(), document()); });
}

void OutputBar::setDocumentProvider(DocumentProvider provider) { documentProvider = std::move(provider); }

void OutputBar::setViewProvider(ViewProvider provider) { viewProvider = std::move(provider); }

void OutputBar::setCsvVisible(bool visible) { csvButton->setVisible(visible); }

Document OutputBar::document() const { return documentProvider ? documentProvider() : Document(); }

void OutputBar::copy()
{
    if (const QTableView* view = viewProvider ? viewProvider() : nullptr) {
        const Table selected = selectedCells(*view);
        if (!selected.rows.isEmpty()) {
            copyTables({selected});
            return;
        }
    }
    copyDocument(document());
}

}  // namespace report
