#pragma once

#include <QChar>
#include <QString>

namespace calc {

// Forbidden characters of numeric inputs: list A for decimal numbers, list B for whole counts.
enum class KeyList { A, B };

QString forbiddenCharacters(KeyList list);

// What a typed character becomes in an input with this list: itself, "." for a "," on list A,
// or a null QChar when it is discarded.
QChar filterTypedCharacter(QChar typed, KeyList list);

// Text that arrives as one key or from an input method, filtered character by character with the
// same rule; characters that are not printable are dropped too.
QString filterTypedText(const QString& typed, KeyList list);

}  // namespace calc
