#pragma once

#include "report/document.h"
#include "report/workbook.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QPushButton;
class QTableView;

namespace report {

// The output buttons of a window: copyButton "Копировать" (also Ctrl+C anywhere in the window
// but in an input), csvButton "Сохранить CSV…", printButton "Печать…", pdfButton
// "Сохранить PDF…", saveXlsxButton "Сохранить в Excel…", and gostFrameBox "В рамке по ГОСТ Р 21.101",
// remembered between runs, which puts the printed and PDF pages in the frame with its title
// block. Each asks the document provider for the document at the moment of output.
class OutputBar : public QWidget {
    Q_OBJECT
public:
    using DocumentProvider = std::function<Document()>;
    // The view whose selected cells a copy takes; it may return null.
    using ViewProvider = std::function<QTableView*()>;

    explicit OutputBar(QWidget* parent = nullptr);

    void setDocumentProvider(DocumentProvider provider);
    void setViewProvider(ViewProvider provider);
    // The workbook's sheets; the document as one sheet where none is given.
    using WorkbookProvider = std::function<QList<workbook::Sheet>()>;
    void setWorkbookProvider(WorkbookProvider provider);
    // A window whose document is no table (a calculation record) hides the CSV and Excel buttons.
    void setCsvVisible(bool visible);

private:
    void copy();
    Document document() const;

    QPushButton* copyButton;
    QPushButton* csvButton;
    QPushButton* printButton;
    QPushButton* pdfButton;
    QPushButton* saveXlsxButton;
    QCheckBox* gostFrameBox;
    WorkbookProvider workbookProvider;
    DocumentProvider documentProvider;
    ViewProvider viewProvider;
};

}  // namespace report
