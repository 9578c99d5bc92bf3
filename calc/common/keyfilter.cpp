#include "calc/common/keyfilter.h"

namespace calc {

namespace {
const QString listA = QStringLiteral(
    "ЙЦУКЕНГЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮQWERTYUIOPASDFGHJKLZXCVBNM<>?!@#$%^&*()_+="
    "qwertyuiop[]asdfghjkl;'zxcvbnmйцукенгшщзхъфывапролджэячсмитьбю");
const QString listB = QStringLiteral(".,") + listA;
}  // namespace

QString forbiddenCharacters(KeyList list) { return list == KeyList::A ? listA : listB; }

QChar filterTypedCharacter(QChar typed, KeyList list)
{
    if (forbiddenCharacters(list).contains(typed))
        return QChar();
    if (list == KeyList::A && typed == u',')
        return QLatin1Char('.');
    return typed;
}

QString filterTypedText(const QString& typed, KeyList list)
{
    QString kept;
    for (const QChar c : typed) {
        const QChar filtered = c.isPrint() || c.isSurrogate() ? filterTypedCharacter(c, list) : QChar();
        if (!filtered.isNull())
            kept.append(filtered);
    }
    return kept;
}

}  // namespace calc
