#include "about/LocaleId.h"

#include <array>

namespace {

struct LocaleCode {
    QLocale::Language language;
    QLocale::Territory territory;
    const char* id;
};

// The locales of the program's four languages; others need no id of their own.
constexpr std::array<LocaleCode, 19> Codes = {{
    {QLocale::German, QLocale::Germany, "0407"},        {QLocale::German, QLocale::Switzerland, "0807"},
    {QLocale::German, QLocale::Austria, "0C07"},        {QLocale::German, QLocale::Luxembourg, "1007"},
    {QLocale::German, QLocale::Liechtenstein, "1407"},  {QLocale::English, QLocale::UnitedStates, "0409"},
    {QLocale::English, QLocale::UnitedKingdom, "0809"}, {QLocale::English, QLocale::Australia, "0C09"},
    {QLocale::English, QLocale::Canada, "1009"},        {QLocale::English, QLocale::NewZealand, "1409"},
    {QLocale::English, QLocale::Ireland, "1809"},       {QLocale::Swedish, QLocale::Sweden, "041D"},
    {QLocale::Swedish, QLocale::Finland, "081D"},       {QLocale::Italian, QLocale::Italy, "0410"},
    {QLocale::Italian, QLocale::Switzerland, "0810"},   {QLocale::French, QLocale::France, "040C"},
    {QLocale::Spanish, QLocale::Spain, "0C0A"},         {QLocale::Dutch, QLocale::Netherlands, "0413"},
    {QLocale::Danish, QLocale::Denmark, "0406"},
}};

} // namespace

QString localeLanguageId(const QLocale& locale) {
    for (const LocaleCode& code : Codes) {
        if (code.language == locale.language() && code.territory == locale.territory())
            return QLatin1String(code.id);
    }
    return {};
}

QString UserDefaultLanguageId() {
    return localeLanguageId(QLocale::system());
}
