#include "shell/UserStore.h"

#include "errors/RuntimeError.h"
#include "shell/StoreFormat.h"
#include "shell/WholeFile.h"

#include <QDir>
#include <QStandardPaths>

namespace {

constexpr qint64 MaxStoreSize = 1 << 20; // far beyond six champions and a counter

QString storePath(const QString& appName) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + appName + u'/' + appName +
           QStringLiteral(".conf");
}

} // namespace

QString GetSetting(const QString& appName, const QString& section, const QString& key, const QString& defaultValue) {
    // A store read only in part still shows what could be read.
    const wholeFile::Contents file = wholeFile::read(storePath(appName), MaxStoreSize);
    return storeFormat::value(file.bytes, section, key).value_or(defaultValue);
}

void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value) {
    SaveSettingIf(appName, section, key, value, [](const StoreLookup&) { return true; });
}

bool SaveSettingIf(const QString& appName, const QString& section, const QString& key, const QString& value,
                   const std::function<bool(const StoreLookup& now)>& still) {
    const QString path = storePath(appName);
    QDir().mkpath(QFileInfo(path).path());
    const wholeFile::Lock lock(path);
    const wholeFile::Contents file = wholeFile::read(path, MaxStoreSize);
    // Written over, a store that was not read whole would lose the rest.
    if (file.state == wholeFile::State::Unreadable || storeFormat::damaged(file.bytes))
        raiseError(ErrNo::PathFileAccess);
    if (!still([&](const QString& other, const QString& fallback) {
            return storeFormat::value(file.bytes, section, other).value_or(fallback);
        }))
        return false;
    const QByteArray changed = storeFormat::withValue(file.bytes, section, key, value);
    if (changed != file.bytes && wholeFile::replace(path, changed, wholeFile::Links::Follow) != wholeFile::Written::Ok)
        raiseError(ErrNo::PathFileAccess);
    return true;
}
