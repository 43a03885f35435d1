// The options-file reader and writer. Input: section, key and value (each ended by a backslash
// and another character), then the file. After withValue the key reads back as the value would
// on a line of its own, and no other line of the file has changed.
#include "FuzzCheck.h"
#include "shell/PrivateProfile.h"

#include <QList>
#include <fuzzer/FuzzedDataProvider.h>

using namespace PrivateProfile;

namespace {
QByteArray bytes(const std::string& s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}
// Each line with its line break (LF, CR LF or a lone CR), split as the reader does.
QList<QByteArray> linesOf(const QByteArray& f) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < f.size(); ++i)
        if (f[i] == '\n' || (f[i] == '\r' && f.mid(i + 1, 1) != "\n"))
            lines.append(f.mid(start, i + 1 - start)), start = i + 1;
    if (start < f.size())
        lines.append(f.mid(start));
    return lines;
}
// A name a line can hold: no line break, no blanks round it; no ']' in a section; no '=' in a
// key, nor a leading ';' or '[' (a comment, a section).
bool plain(const QByteArray& name, bool isKey) {
    return name == name.trimmed() && !name.contains('\n') && !name.contains('\r') &&
           !name.contains(isKey ? '=' : ']') && !(isKey && (name.startsWith(';') || name.startsWith('[')));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const QByteArray section = bytes(in.ConsumeRandomLengthString(24)), key = bytes(in.ConsumeRandomLengthString(24));
    const QByteArray value = bytes(in.ConsumeRandomLengthString(24)), file = bytes(in.ConsumeRemainingBytesAsString());
    leadingInteger(value);
    readInt(file, section, key, -1);
    const QByteArray out = withValue(file, section, key, value);
    if (!plain(section, false) || !plain(key, true))
        return 0;
    // The value is cut at its first line break.
    qsizetype cut = value.size();
    for (char eol : {'\n', '\r'})
        cut = value.indexOf(eol) < 0 ? cut : qMin(cut, value.indexOf(eol));
    const QByteArray alone = '[' + section + "]\n" + key + '=' + value.left(cut);
    FUZZ_CHECK(findValue(out, section, key) == findValue(alone, section, key));
    FUZZ_CHECK(readInt(out, section, key, -1) == readInt(alone, section, key, -1));
    // Lines kept at both ends; between them at most one old line: the key's own, or a last line
    // without a line break that gets one.
    const QList<QByteArray> before = linesOf(file), after = linesOf(out);
    qsizetype head = 0, tail = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    FUZZ_CHECK(before.size() - head - tail <= 1 && after.size() - head - tail <= 4);
    if (before.size() - head - tail == 1) {
        const QByteArray& old = before[head];
        const bool keyLine = findValue('[' + section + "]\n" + old, section, key).has_value();
        FUZZ_CHECK(keyLine || (head + 1 == before.size() && !old.endsWith('\n') && !old.endsWith('\r') &&
                               after[head].startsWith(old)));
    }
    return 0;
}
