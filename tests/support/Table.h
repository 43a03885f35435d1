#pragma once
// Test rows kept as data in tests/data/NAME.tsv (the format: tests/data/README.md).

#include <QFile>
#include <QHash>
#include <QMap>
#include <QStringList>
#include <QtTest>

struct Table {
    QStringList columns;
    QList<QStringList> rows;
};

inline QString unescaped(const QString& field) {
    static const QHash<QChar, QChar> escapes = {
        {u'n', u'\n'}, {u'r', u'\r'}, {u't', u'\t'}, {u's', u' '}, {u'\\', u'\\'}};
    QString out;
    for (qsizetype i = 0; i < field.size(); ++i)
        out += field[i] == u'\\' && i + 1 < field.size() ? escapes.value(field[++i], u'?') : field[i];
    return out;
}

inline const Table& table(const QString& name) {
    static QHash<QString, Table> loaded;
    if (!loaded.contains(name)) {
        QFile file(QStringLiteral(MIRVEL_TEST_DATA "/") + name + QStringLiteral(".tsv"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("no test data %s", qPrintable(file.fileName()));
        Table& t = loaded[name];
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(u'#'))
                continue;
            QStringList fields = line.split(u'\t');
            if (!t.columns.isEmpty() && (fields.size() < 2 || fields.size() > t.columns.size()))
                qFatal("%s: a row of %d fields: %s", qPrintable(name), int(fields.size()), qPrintable(line));
            for (QString& f : fields)
                f = unescaped(f);
            t.columns.isEmpty() ? void(t.columns = fields) : t.rows.append(fields);
        }
    }
    return loaded[name];
}

// A row of a table: its fields by column name.
using Row = QMap<QString, QString>;

// One data row per row of the table, in the column "row" (QFETCH(Row, row)).
inline void addTableRows(const QString& name) {
    const Table& t = table(name);
    QTest::addColumn<Row>("row");
    for (const QStringList& fields : t.rows) {
        Row row;
        for (qsizetype i = 1; i < t.columns.size(); ++i)
            row[t.columns[i]] = fields.value(i);
        QTest::newRow(qPrintable(fields[0])) << row;
    }
}

// `data` damaged as a row's "change" says: "text T" (it holds T), "cut N" (N bytes kept),
// "flip N" (byte N inverted), "set A K HEX" (the bytes HEX, K bytes after the first A; in hex).
// N is an offset, a share ("50%") or counts from the end ("-700").
inline QByteArray changed(QByteArray data, const QString& change) {
    const QStringList word = change.split(u' ');
    const auto at = [&](const QString& where) {
        return where.endsWith(u'%')     ? data.size() * where.chopped(1).toInt() / 100
               : where.startsWith(u'-') ? data.size() + where.toInt()
                                        : where.toInt(nullptr, 0);
    };
    if (word[0] == u"text")
        data = change.mid(5).toLatin1();
    else if (word[0] == u"cut")
        data.truncate(at(word[1]));
    else if (word[0] == u"flip")
        data[at(word[1])] = char(~data[at(word[1])]);
    else if (word[0] == u"set") {
        const qsizetype anchor = data.indexOf(QByteArray::fromHex(word[1].toLatin1()));
        const QByteArray value = QByteArray::fromHex(word[3].toLatin1());
        data.replace(anchor + word[2].toInt(), value.size(), value);
    }
    return data;
}
