#include "calc/common/numericinput.h"

#include <QKeyEvent>
#include <QPointer>

NumericInput::NumericInput(QWidget* parent) : QLineEdit(parent) {}

void NumericInput::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    const QString typed = event->text();
    if (typed.size() != 1 || !typed.at(0).isPrint() || (event->modifiers() & Qt::ControlModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar kept = calc::filterTypedCharacter(typed.at(0), keyList);
    if (kept.isNull())
        return;
    if (kept == u' ') {
        // The handler may close the window; do not touch a destroyed input afterwards.
        QPointer<NumericInput> self(this);
        emit blankTyped();
        if (!self)
            return;
    }
    insert(QString(kept));
}
