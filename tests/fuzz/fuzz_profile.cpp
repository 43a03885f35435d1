// The options-file reader and writer, and the store's. Input: section, key and value (each
// ended by a backslash and another character), then the file. After withValue the key reads back
// as the value would on a line of its own.
#include "FuzzCheck.h"
#include "shell/PrivateProfile.h"
#include "shell/StoreFormat.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace PrivateProfile;

namespace {
QByteArray bytes(const std::string& s) {
    return QByteArray(s.data(), qsizetype(s.size()));
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
    // Written again, nothing changes (the rows of tests/data/options-writing.tsv check that the
    // other lines are kept byte for byte).
    FUZZ_CHECK(withValue(out, section, key, value) == out);
    // The user's store, in QSettings' format: whatever a value holds, it reads back as written.
    const QString text = QString::fromUtf8(value);
    storeFormat::value(file, QString::fromUtf8(section), QString::fromUtf8(key));
    const QByteArray stored = storeFormat::withValue(file, QString::fromUtf8(section), QString::fromUtf8(key), text);
    FUZZ_CHECK(storeFormat::value(stored, QString::fromUtf8(section), QString::fromUtf8(key)) == text);
    return 0;
}
