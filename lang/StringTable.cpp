#include "lang/StringTable.h"

#include "errors/RuntimeError.h"
#include "shell/Globals.h"

#include <QFile>

QHash<int, QString> parseStringTable(const QByteArray& data) {
    QHash<int, QString> table;
    for (QByteArray line : data.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype tab = line.indexOf('\t');
        if (tab <= 0)
            continue;
        bool ok = false;
        const int id = line.left(tab).toInt(&ok);
        if (ok)
            table.insert(id, QString::fromUtf8(line.mid(tab + 1)));
    }
    return table;
}

QString LoadResString(int id) {
    // The resource never changes while the program runs: parse it once.
    static const QHash<int, QString> table = [] {
        QFile f(QStringLiteral(":/strings/strings.txt"));
        return f.open(QIODevice::ReadOnly) ? parseStringTable(f.readAll()) : QHash<int, QString>{};
    }();
    const auto it = table.constFind(id);
    if (it == table.constEnd())
        raiseError(ErrNo::ResourceNotFound);
    return *it;
}

QString text(int baseId) {
    return LoadResString(LangOffset + baseId);
}
