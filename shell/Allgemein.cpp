#include "shell/Allgemein.h"

#include "errors/Procedure.h"
#include "shell/FileLocations.h"
#include "shell/PrivateProfile.h"
#include "shell/Random.h"

#include <cmath>

rt::Integer GetIniInt(const QString& section, const QString& key, long defaultValue) {
    return rt::checked(PrivateProfile::getInt(section, key, defaultValue, IniFilePath()));
}

void WriteIniString(const QString& section, const QString& key, const QString& value) {
    PrivateProfile::writeString(section, key, value, IniFilePath());
}

QString GetIniText(const QString& section, const QString& key) {
    return QString::fromLocal8Bit(PrivateProfile::getText(section, key, IniFilePath()).value_or(QByteArray()));
}

QString IniQuoted(const QString& text) {
    if (text.contains(u'\n') || text.contains(u'\r'))
        return {};
    return QString::fromLocal8Bit(PrivateProfile::quotedText(text.toLocal8Bit()));
}

rt::Integer RandomBetween(rt::Integer lo, rt::Integer hi) {
    Randomize();
    return rt::checked(static_cast<long long>(std::floor((hi - lo + 1) * Rnd() + lo)));
}

QString TrimNull(const QString& text) {
    QString result;
    Procedure p("Allgemein", "TrimNull");
    p.run({
        [&] {
            const qsizetype nul = text.indexOf(QChar(u'\0'));
            result = nul < 0 ? text : text.left(nul);
        },
    });
    return result;
}
