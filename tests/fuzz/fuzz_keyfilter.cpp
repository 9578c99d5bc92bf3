// Any typed text through the key filter of both lists: what is kept holds no forbidden character
// (and on list A no comma), keeps the order of what was typed, passes the filter unchanged again,
// and is what the same characters typed one by one would give.
#include "calc/common/keyfilter.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const calc::KeyList list : {calc::KeyList::A, calc::KeyList::B}) {
        const QString kept = calc::filterTypedText(typed, list);
        const QString forbidden = calc::forbiddenCharacters(list);
        require(kept.size() <= typed.size(), "the filter added characters");
        for (const QChar c : kept) {
            require(!forbidden.contains(c), "a forbidden character was kept");
            require(c != u',', "a comma was kept");
        }
        require(calc::filterTypedText(kept, list) == kept, "filtering twice changed the text");
        QString oneByOne;
        for (const QChar c : typed) {
            if (!c.isPrint() && !c.isSurrogate())
                continue;
            const QChar k = calc::filterTypedCharacter(c, list);
            if (!k.isNull())
                oneByOne += k;
        }
        require(kept == oneByOne, "the text was filtered unlike single keys");
    }
    return 0;
}
