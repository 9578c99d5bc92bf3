#pragma once

#include "help/formula.h"

#include <QList>
#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace help {

class NoteLabel;

// A read-only window of explanations, top to bottom. Esc closes it, and so does a click on its
// background or on any of its texts, except on document links and on the parts told to ignore clicks.
class HelpPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int contentWidth = 640;
    static constexpr qreal textPointSize = 9.75;

    HelpPage(const QString& name, const QString& title);

    QLabel* addLine(const QString& text);
    formula::FormulaView* addFormula(formula::Part formula, int indent = 0);
    // One line of the legend: the symbol, its meaning and, optionally, something written beside it.
    QLabel* addLegend(const QString& symbol, const QString& meaning, const QString& aside = QString());
    NoteLabel* addNote(const QString& text);
    void addSpace(int height);
    void ignoreClicks(QWidget* widget);

    // Whether a click at this point of the window closes it.
    bool closesAt(QPoint point) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QVBoxLayout* column;
    QList<const QWidget*> inertWidgets;
};

}  // namespace help
