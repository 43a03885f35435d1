#include "lang/Language.h"

rt::Integer languageOffsetFromSaved(long saved) {
    const int index = languageIndex(rt::checked(saved));
    return index >= 1 && index <= 3 ? static_cast<rt::Integer>(index * 1000) : 0;
}

int languageIndex(rt::Integer offset) {
    return static_cast<int>(rt::Val(rt::Str(offset).trimmed().left(1)));
}

rt::Integer firstLanguageOffset(const QString& localeLanguageId) {
    return localeLanguageId.left(4) == QLatin1String("0407") ? 0 : 1000;
}
