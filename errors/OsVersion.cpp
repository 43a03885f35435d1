#include "errors/OsVersion.h"

#include <QDateTime>
#include <QRegularExpression>
#include <sys/utsname.h>

OsVersion osVersionOf(const QString& system, const QString& release, const QString& version) {
    OsVersion v;
    v.platform = system;
    static const QRegularExpression numbers(QStringLiteral("^(\\d+)(?:\\.(\\d+))?(?:\\.(\\d+))?(.*)$"));
    const QRegularExpressionMatch m = numbers.match(release);
    QString rest = release;
    if (m.hasMatch()) {
        v.major = m.captured(1).toUInt();
        v.minor = m.captured(2).toUInt();
        v.build = m.captured(3).toUInt() & 0xFFFF; // the record keeps the low 16 bits
        rest = m.captured(4);
    }
    v.servicePack = QStringList({rest, version.trimmed()}).join(u' ').trimmed();
    return v;
}

OsVersion queryOsVersion() {
    utsname u{};
    if (uname(&u) != 0)
        return {};
    return osVersionOf(QString::fromLocal8Bit(u.sysname), QString::fromLocal8Bit(u.release),
                       QString::fromLocal8Bit(u.version));
}

namespace protocolSources {
std::function<OsVersion()> osVersion = queryOsVersion;
std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
} // namespace protocolSources
