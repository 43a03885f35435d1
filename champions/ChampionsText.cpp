#include "champions/ChampionsText.h"

bool isNewRecord(long seconds, double storedSeconds) {
    return seconds > 0 && storedSeconds > seconds;
}

QString championName(const QString& entered) {
    qsizetype first = 0, end = entered.size();
    while (first < end && entered[first] == u' ')
        ++first;
    while (end > first && entered[end - 1] == u' ')
        --end;
    const QString trimmed = entered.mid(first, end - first);
    // Count characters, not UTF-16 units, so that a cut never splits a character in two.
    qsizetype end20 = 0;
    for (int count = 0; count < 20 && end20 < trimmed.size(); ++count)
        end20 += trimmed[end20].isHighSurrogate() && end20 + 1 < trimmed.size() ? 2 : 1;
    return trimmed.left(end20);
}

QString championsListText(const QString& piecesHeading, const QString& timeHeading, const QString& nameHeading,
                          const std::function<QString(const QString&, const QString&)>& stored) {
    const QString tab = QStringLiteral("\t"), crlf = QStringLiteral("\r\n");
    QString list = piecesHeading + tab + timeHeading + tab + nameHeading + crlf;
    list += QString(30, u'=') + crlf;
    for (int n = 3; n <= 8; ++n) {
        const QString size = QString::number(n);
        list += size + QStringLiteral(" x ") + size + tab + stored(size, QStringLiteral("-")) + tab +
                stored(QStringLiteral("Name") + size, QStringLiteral("-")) + crlf;
    }
    return list;
}
