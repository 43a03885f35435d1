#pragma once
// A compiled help file (.chm), read through chmlib: its objects, the default topic and contents
// file its #SYSTEM names, and the contents sitemaps (.hhc) it holds. No widgets here.
//
// Object paths are written without the leading slash ("de/index.html"). A damaged file must
// never crash or stall the program, so every length taken from the file is bounded first.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct chmFile;

// One line of a contents tree: the title shown, the page it opens (may be empty), the lines
// below it.
struct ContentsEntry {
    QString name;
    QString local;
    QList<ContentsEntry> children;
};

class ChmFile {
public:
    ChmFile() = default;
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    bool open(const QString& path); // false for a missing, unreadable or non-CHM file
    void close();
    bool isOpen() const { return m_file != nullptr; }
    const QString& path() const { return m_path; }

    bool contains(const QString& object) const;
    QByteArray read(const QString& object) const; // empty when absent or unreadable

    // From #SYSTEM; empty when the file does not say.
    const QString& defaultTopic() const { return m_defaultTopic; }
    const QString& contentsFile() const { return m_contentsFile; }

    // The tree of a sitemap, as the .hhc in the file spells it.
    QList<ContentsEntry> contents(const QString& hhcObject) const;

    static QList<ContentsEntry> parseSitemap(const QByteArray& hhc);
    // Text of a help page or sitemap: its own charset when it names one Qt knows, else
    // Windows-1252, which help compilers have always written.
    static QString decodeText(const QByteArray& data);
    static QString decodeEntities(const QString& text); // &auml; &#228; &#xE4; ...
    // "/a/./b/../c.html" -> "a/c.html" (a "#" is part of the name: "#SYSTEM").
    static QString normalized(const QString& object);

private:
    void readSystem();

    chmFile* m_file = nullptr;
    QString m_path;
    QString m_defaultTopic;
    QString m_contentsFile;
};
