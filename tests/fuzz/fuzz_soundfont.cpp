// The SoundFont view and the MIDI scan: never read past their input, and a view is a well-formed
// file of the size it says.
#include "FuzzCheck.h"
#include "sound/SoundFontSubset.h"

#include <QBuffer>
#include <QtEndian>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const soundfont::Preset& p : soundfont::presetsPlayed(file))
        FUZZ_CHECK(p.bank >= 0 && p.bank <= 128 && p.program >= 0 && p.program < 128);
    std::set<soundfont::Preset> keep{{128, 0}};
    for (int program = 0; program < 128; program += 3)
        keep.insert({0, program});
    QBuffer font(&file);
    font.open(QIODevice::ReadOnly);
    if (const auto view = soundfont::presetsOnly(font, keep)) {
        FUZZ_CHECK(view->head.size() == 12 && view->fileUpTo >= 12 && view->fileUpTo <= file.size());
        FUZZ_CHECK(qFromLittleEndian<quint32>(view->head.constData() + 4) == quint32(view->size() - 8));
        FUZZ_CHECK(view->tail.startsWith("LIST") &&
                   qFromLittleEndian<quint32>(view->tail.constData() + 4) == quint32(view->tail.size() - 8));
    }
    return 0;
}
