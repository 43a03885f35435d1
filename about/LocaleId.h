#pragma once
// The language id of the user's default locale as four hexadecimal digits ("0407" for German
// as used in Germany, "0C07" for Austria, "0409" for US English); empty when it is unknown.

#include <QLocale>
#include <QString>

QString localeLanguageId(const QLocale& locale);
QString UserDefaultLanguageId(); // of QLocale::system()
