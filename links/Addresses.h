#pragma once
// The maker's addresses and the help file's name: one setting each.

#include <QString>

namespace Addresses {
inline const QString Homepage = QStringLiteral("https://www.kelmsoft.example/");
inline const QString Support = QStringLiteral("support@kelmsoft.example");
inline const QString HelpFile = QStringLiteral("Mirvel.chm");
} // namespace Addresses
