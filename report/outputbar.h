#pragma once

#include "report/document.h"

#include <QWidget>
#include <functional>

class QPushButton;
class QTableView;

namespace report {

// The output buttons of a window: copyButton "Копировать" (also Ctrl+C anywhere in the window
// but in an input), csvButton "Сохранить CSV…", printButton "Печать…", pdfButton
// "Сохранить PDF…". Each asks the document provider for the document at the moment of output.
class OutputBar : public QWidget {
    Q_OBJECT
public:
    using DocumentProvider = std::function<Document()>;
    // The view whose selected cells a copy takes; it may return null.
    using ViewProvider = std::function<QTableView*()>;

    explicit OutputBar(QWidget* parent = nullptr);

    void setDocumentProvider(DocumentProvider provider);
    void setViewProvider(ViewProvider provider);
    // A window whose document is no table (a calculation record) hides the CSV button.
    void setCsvVisible(bool visible);

private:
    void copy();
    Document document() const;

    QPushButton* copyButton;
    QPushButton* csvButton;
    QPushButton* printButton;
    QPushButton* pdfButton;
    DocumentProvider documentProvider;
    ViewProvider viewProvider;
};

}  // namespace report
