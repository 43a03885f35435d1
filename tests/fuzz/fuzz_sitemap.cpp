// The help's text side: sitemap (.hhc) parsing, charset decoding, entities and object paths.
#include "FuzzCheck.h"
#include "help/ChmFile.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    ChmFile::parseSitemap(bytes);
    const QString text = ChmFile::decodeText(bytes);
    // An entity stands for at least three characters ("&lt;"), and becomes one or two.
    FUZZ_CHECK(ChmFile::decodeEntities(text).size() <= text.size());
    // A path in the file's own form: no backslash, no leading slash, no empty, "." or ".." part.
    const QString path = ChmFile::normalized(text);
    FUZZ_CHECK(!path.contains(u'\\'));
    for (const QString& part : path.split(u'/'))
        FUZZ_CHECK(path.isEmpty() || (!part.isEmpty() && part != u"." && part != u".."));
    return 0;
}
