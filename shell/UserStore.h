#pragma once
// The per-user settings store: text values by application, section and key, kept across runs
// in the user's configuration folder (~/.config/APP/APP.conf, in QSettings' format). Every
// change is read, made and written under a lock, whole or not at all.

#include <QString>
#include <functional>

QString GetSetting(const QString& appName, const QString& section, const QString& key, const QString& defaultValue);
// A store that cannot be written, or that cannot be read whole (it would lose what it holds),
// raises error 75 (Path/File access error); it is then left as it was.
void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value);

// A key of the section as the store holds it at this moment, or the fallback.
using StoreLookup = std::function<QString(const QString& key, const QString& fallback)>;
// Saves only when `still` holds for the store as another copy of the program may have left it,
// read again under the lock; returns whether it saved. Errors as SaveSetting.
bool SaveSettingIf(const QString& appName, const QString& section, const QString& key, const QString& value,
                   const std::function<bool(const StoreLookup& now)>& still);
