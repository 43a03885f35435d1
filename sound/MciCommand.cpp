#include "sound/MciCommand.h"

#include <QStringList>

std::optional<MciCommand> parseMciCommand(const QString& command) {
    const QString text = command.trimmed();
    MciCommand c;
    c.verb = text.section(u' ', 0, 0).toLower();
    if (c.verb == QLatin1String("open")) {
        const QString rest = text.mid(5);
        const qsizetype bang = rest.indexOf(u'!');
        const qsizetype alias = rest.lastIndexOf(QLatin1String(" alias "), -1, Qt::CaseInsensitive);
        if (bang < 0 || alias < bang)
            return std::nullopt;
        c.device = rest.left(bang).trimmed().toLower();
        c.file = rest.mid(bang + 1, alias - bang - 1);
        c.alias = rest.mid(alias + 7).trimmed().toLower();
        if (c.file.isEmpty() || c.alias.isEmpty() || c.alias.contains(u' '))
            return std::nullopt;
        return c;
    }
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    c.alias = words.value(1).toLower();
    if (c.alias.isEmpty())
        return std::nullopt;
    if ((c.verb == QLatin1String("play") || c.verb == QLatin1String("close")) && words.size() == 2)
        return c;
    c.item = words.value(2).toLower();
    if (c.verb == QLatin1String("status") && words.size() == 3)
        return c;
    if (c.verb == QLatin1String("seek") && words.size() == 4 && c.item == QLatin1String("to")) {
        c.item = words[3].toLower();
        return c;
    }
    return std::nullopt;
}
