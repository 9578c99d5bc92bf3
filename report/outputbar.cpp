#include "report/outputbar.h"

#include "report/outputs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QTableView>

namespace report {
namespace {
QPushButton* button(QGridLayout* layout, int column, const char* name, const QString& caption)
{
    auto* created = new QPushButton(caption, layout->parentWidget());
    created->setObjectName(QLatin1String(name));
    layout->addWidget(created, 0, column);
    return created;
}
const QString framedKey = QStringLiteral("output/gostFrame");
}  // namespace

OutputBar::OutputBar(QWidget* parent) : QWidget(parent)
{
    // The choice of the frame stands under the print and PDF buttons it acts on, which keeps the
    // bar as narrow as the windows beside it need.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(0);
    copyButton = button(layout, 0, "copyButton", QStringLiteral("Копировать"));
    csvButton = button(layout, 1, "csvButton", QStringLiteral("Сохранить CSV…"));
    saveXlsxButton = button(layout, 2, "saveXlsxButton", QStringLiteral("Сохранить в Excel…"));
    printButton = button(layout, 3, "printButton", QStringLiteral("Печать…"));
    pdfButton = button(layout, 4, "pdfButton", QStringLiteral("Сохранить PDF…"));
    gostFrameBox = new QCheckBox(QStringLiteral("В рамке по ГОСТ Р 21.101"), this);
    gostFrameBox->setObjectName(QStringLiteral("gostFrameBox"));
    gostFrameBox->setChecked(QSettings().value(framedKey, false).toBool());
    layout->addWidget(gostFrameBox, 1, 3, 1, 2);
    layout->setColumnStretch(5, 1);

    // An input with the focus takes Ctrl+C for its own text before this shortcut sees it.
    auto* copyShortcut = new QShortcut(QKeySequence::Copy, this);
    copyShortcut->setContext(Qt::WindowShortcut);
    connect(copyShortcut, &QShortcut::activated, this, &OutputBar::copy);
    connect(copyButton, &QPushButton::clicked, this, &OutputBar::copy);
    connect(csvButton, &QPushButton::clicked, this, [this] { saveCsv(window(), document()); });
    connect(printButton, &QPushButton::clicked, this, [this] { print(window(), document()); });
    connect(pdfButton, &QPushButton::clicked, this, [this] { savePdf(window(), document()); });
    connect(gostFrameBox, &QCheckBox::toggled, this, [](bool framed) { QSettings().setValue(framedKey, framed); });
    connect(saveXlsxButton, &QPushButton::clicked, this, [this] {
        const Document shown = document();
        saveXlsx(window(), shown,
                 workbookProvider ? workbookProvider() : QList{workbook::documentSheet(shown, QStringLiteral("Таблица"))});
    });
}

void OutputBar::setDocumentProvider(DocumentProvider provider) { documentProvider = std::move(provider); }

void OutputBar::setViewProvider(ViewProvider provider) { viewProvider = std::move(provider); }

void OutputBar::setWorkbookProvider(WorkbookProvider provider) { workbookProvider = std::move(provider); }

void OutputBar::setCsvVisible(bool visible)
{
    csvButton->setVisible(visible);
    saveXlsxButton->setVisible(visible);
}

Document OutputBar::document() const
{
    Document shown = documentProvider ? documentProvider() : Document();
    shown.framed = gostFrameBox->isChecked();
    return shown;
}

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
