#include "widgets/numericinput.h"

#include <QInputMethodEvent>
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
    if (typed.isEmpty() || (event->modifiers() & Qt::ControlModifier)
        || (typed.size() == 1 && !typed.at(0).isPrint())) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (typed.size() > 1) {
        // Several characters in one key (a compose sequence, a keyboard macro): no shortcuts.
        insert(calc::filterTypedText(typed, keyList));
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

void NumericInput::inputMethodEvent(QInputMethodEvent* event)
{
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(calc::filterTypedText(event->commitString(), keyList), event->replacementStart(),
                             event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}
