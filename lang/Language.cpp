#include "lang/Language.h"

const Language& languageOf(rt::Integer offset) {
    const int index = languageIndex(offset);
    return Languages[index >= 0 && index < int(Languages.size()) ? index : 0];
}

rt::Integer languageOffsetFromSaved(long saved) {
    return languageOf(rt::checked(saved)).offset;
}

int languageIndex(rt::Integer offset) {
    return static_cast<int>(rt::Val(rt::Str(offset).trimmed().left(1)));
}

rt::Integer firstLanguageOffset(const QString& localeLanguageId) {
    for (const Language& language : Languages)
        if (language.localeId && localeLanguageId.left(4) == QLatin1String(language.localeId))
            return language.offset;
    return Languages[EnglishIndex].offset;
}
