// A whole help file: open() through chmlib, then what the help window reads from it. A damaged
// file must end in a refusal or in empty reads, never in a crash or a stall.
#include "FuzzCheck.h"
#include "help/ChmFile.h"

#include <QTemporaryFile>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static QTemporaryFile file; // one file, rewritten for each input
    FUZZ_CHECK(file.isOpen() || file.open());
    FUZZ_CHECK(file.resize(0) && file.seek(0));
    FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size) && file.flush());
    ChmFile chm;
    if (chm.open(file.fileName())) {
        chm.contents(chm.contentsFile());
        chm.read(chm.defaultTopic());
        chm.contains(QStringLiteral("/index.html"));
    }
    return 0;
}
