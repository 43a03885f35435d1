#pragma once
// The per-user settings store: text values by application, section and key, kept across runs
// in the user's configuration folder.

#include <QString>

QString GetSetting(const QString& appName, const QString& section, const QString& key, const QString& defaultValue);
void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value);
