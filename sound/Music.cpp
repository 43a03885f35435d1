// The background tunes: a tune resource is written to "~tmp.mid" in the user's own temporary
// folder and played there by the MIDI device; Timer2 watches for its end.

#include "errors/Procedure.h"
#include "errors/RuntimeError.h"
#include "shell/Allgemein.h"
#include "shell/Globals.h"
#include "shell/TempFolder.h"
#include "shell/WholeFile.h"
#include "shell/frmMirvel.h"
#include "sound/FluidTune.h"
#include "sound/MidiDevice.h"
#include "sound/Sound.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

QString GetTempDir() {
    QString folder;
    Procedure p("Allgemein", "GetTempDir");
    p.run({
        [&] { folder = TrimNull(QDir::toNativeSeparators(PrivateTempFolder()) + QDir::separator() + QChar(u'\0')); },
    });
    return folder;
}

long SaveResItemToDisk(rt::Integer ResId, const QString& ResType, const QString& FilePath) {
    static bool failedBefore = false;
    Procedure p("ModResFiles", "SaveResItemToDisk");
    QByteArray bytes;
    p.leaveSilentlyOn(ErrNo::PermissionDenied);
    p.run({
        [&] {
            QFile resource(QStringLiteral(":/%1/%2").arg(ResType.toLower()).arg(ResId));
            if (!resource.open(QIODevice::ReadOnly))
                raiseError(ErrNo::ResourceNotFound);
            bytes = resource.readAll();
        },
        [&] {
            // Through a new file and a rename: a player never hears half a tune, and a link in
            // its place is replaced, never followed.
            switch (wholeFile::replace(FilePath, bytes, wholeFile::Links::Replace)) {
            case wholeFile::Written::Ok:
                break;
            case wholeFile::Written::Refused: // a folder closed to us, or gone: as a file in use
                raiseError(ErrNo::PermissionDenied);
            case wholeFile::Written::Failed:
                // Reported once a run: each activation of the main window tries again, and a disk
                // that stays full must not bring the dialog back for ever.
                if (!std::exchange(failedBefore, true))
                    raiseError(ErrNo::PathFileAccess);
            }
        },
    });
    return 0;
}

namespace {

constexpr int FirstTune = 101, Tunes = 3;

// The synthesizer loads on another thread, holding only the instruments these tunes play.
void preloadTunes() {
    static const bool asked = [] {
        QList<QByteArray> repertoire;
        for (int id = FirstTune; id < FirstTune + Tunes; ++id) {
            QFile tune(QStringLiteral(":/midi/%1").arg(id));
            if (tune.open(QIODevice::ReadOnly))
                repertoire << tune.readAll();
        }
        FluidTune::preload(repertoire);
        return true;
    }();
    (void)asked;
}

} // namespace

void MakeMusic() {
    static rt::Integer LastTune = 0;
    preloadTunes();
    Procedure p("Allgemein", "MakeMusic");
    rt::Integer Tune = 0;
    p.run({
        [&] {
            do
                Tune = rt::add(FirstTune - 1, RandomBetween(1, Tunes));
            while (Tune == LastTune);
        },
        [&] { LastTune = Tune; },
        [&] { MidiFilePath = GetTempDir() + QStringLiteral("~tmp.mid"); },
        [&] { SaveResItemToDisk(Tune, QStringLiteral("midi"), MidiFilePath); },
        [&] { mciSendString(QStringLiteral("open sequencer!") + MidiFilePath + QStringLiteral(" alias midi")); },
        [&] { mciSendString(QStringLiteral("play midi")); },
        [&] {
            // Watched only while a tune is open: with none, the program sleeps.
            if (frmMirvel* main = frmMirvel::instance();
                main && mciSendString(QStringLiteral("status midi mode")) == Mci::Ok)
                main->Timer2->start();
        },
        [&] { QCoreApplication::processEvents(); },
    });
}

void frmMirvel::mnuMusic_Click(int Index) {
    Procedure p("frmMirvel", "mnuMusic_Click");
    p.run({
        [&] {
            for (int i = 0; i < 3; ++i)
                mnuMusic(i)->setChecked(false);
        },
        [&] {
            if (Index == 0) {
                if (MusicOn != 0) {
                    mciSendString(QStringLiteral("close midi"));
                    Timer2->stop();
                }
                MusicOn = rt::False;
                MusicLoop = rt::False;
            }
        },
        [&] {
            if (Index == 1) {
                MusicOn = rt::True;
                MusicLoop = rt::False;
                if (isVisible())
                    MakeMusic();
            }
        },
        [&] {
            if (Index == 2) {
                MusicOn = rt::True;
                MusicLoop = rt::True;
                if (isVisible())
                    MakeMusic();
            }
            // The mode is applied: errors from here on belong to the caller.
            p.disarm();
        },
        [&] { mnuMusic(Index)->setChecked(true); },
        [&] { WriteIniString(QStringLiteral("Optionen"), QStringLiteral("PlayMusic"), rt::Str(Index)); },
    });
}

void frmMirvel::Timer2_Timer() {
    QString length, position;
    mciSendString(QStringLiteral("status midi length"), &length);
    mciSendString(QStringLiteral("status midi position"), &position);
    if (rt::Val(length) > rt::Val(position))
        return; // still playing
    mciSendString(QStringLiteral("close midi"));
    Timer2->stop();
    if (MusicLoop != 0)
        MakeMusic(); // which watches again only when the next tune could be opened
}
