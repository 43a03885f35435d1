#include "shell/UserStore.h"

#include "errors/RuntimeError.h"

#include <QSettings>

namespace {
QString path(const QString& section, const QString& key) {
    return section + u'/' + key;
}
} // namespace

QString GetSetting(const QString& appName, const QString& section, const QString& key, const QString& defaultValue) {
    QSettings store(appName, appName);
    return store.value(path(section, key), defaultValue).toString();
}

void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value) {
    QSettings store(appName, appName);
    store.setValue(path(section, key), value);
    // Written through at once: the program may end without unwinding.
    store.sync();
    if (store.status() != QSettings::NoError)
        raiseError(ErrNo::PathFileAccess);
}
