#pragma once

#include "calc/common/keyfilter.h"

#include <QLineEdit>

// A one-line input that takes numbers: typed characters of its forbidden list are dropped,
// a typed "," becomes "." on list A. Enter and a typed blank are announced before the blank is
// inserted, so a screen can run its find or clear action on them. Text of several characters in
// one key and text an input method commits are filtered alike, without those shortcuts.
// Pasted text is not filtered.
class NumericInput : public QLineEdit {
    Q_OBJECT
public:
    explicit NumericInput(QWidget* parent = nullptr);

    void setKeyList(calc::KeyList list) { keyList = list; }

signals:
    void enterPressed();
    void blankTyped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    calc::KeyList keyList = calc::KeyList::A;
};
