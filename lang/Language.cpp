#include "lang/Language.h"

rt::Integer languageOffsetFromSaved(long saved) {
    return saved == 1000 || saved == 2000 || saved == 3000 ? static_cast<rt::Integer>(saved) : 0;
}

int languageIndex(rt::Integer offset) {
    return static_cast<int>(rt::Val(rt::Str(offset).trimmed().left(1)));
}

rt::Integer firstLanguageOffset(const QString& localeLanguageId) {
    return localeLanguageId.left(4) == QLatin1String("0407") ? 0 : 1000;
}
