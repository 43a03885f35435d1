// The champions list: a new best time per grid size asks for the name and is kept in the
// per-user store; the menu shows the whole list.

#include "champions/ChampionsText.h"
#include "errors/Procedure.h"
#include "lang/StringTable.h"
#include "shell/ProgramInfo.h"
#include "shell/UserStore.h"
#include "shell/frmMirvel.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {
const QString Highscore = QStringLiteral("Highscore");
const QString EmptySlot = QStringLiteral("9999"); // the seconds an empty slot counts as
} // namespace

void frmMirvel::WriteHighScore() {
    Procedure p("frmMirvel", "WriteHighScore");
    const QString app = ProgramInfo::title();
    const QString key = QString::number(GridSize);
    const rt::Long seconds = GameSeconds;
    double stored = 0;
    QString name;
    p.run({
        // A time edited into something that is no number fails here, before anything is written.
        [&] { stored = rt::CDbl(GetSetting(app, Highscore, key, EmptySlot)); },
        [&] {
            if (!isNewRecord(seconds, stored))
                p.leave();
        },
        [&] {
            // Another copy of the program may have stored a faster time meanwhile.
            if (!SaveSettingIf(app, Highscore, key, QString::number(seconds), [&](const StoreLookup& now) {
                    return isNewRecord(seconds, rt::CDbl(now(key, EmptySlot)));
                }))
                p.leave();
        },
        [&] {
            bool ok = false;
            const QString entered =
                QInputDialog::getText(this, text(128), text(126), QLineEdit::Normal, QString(), &ok);
            name = championName(ok ? entered : QString());
        },
        [&] {
            // The name goes with its time: not when a faster one came while the box was open.
            SaveSettingIf(app, Highscore, QStringLiteral("Name") + key, name,
                          [&](const StoreLookup& now) { return now(key, {}) == QString::number(seconds); });
        },
    });
}

void frmMirvel::mnuHighScore_Click() {
    Procedure p("frmMirvel", "mnuHighScore_Click");
    QString list;
    p.run({
        [&] {
            const QString app = ProgramInfo::title();
            list = championsListText(text(147), text(145), text(144), [&](const QString& key, const QString& fallback) {
                return GetSetting(app, Highscore, key, fallback);
            });
        },
        [&] {
            QMessageBox box(QMessageBox::NoIcon, text(127), list, QMessageBox::Ok, this);
            box.setObjectName(QStringLiteral("ChampionsList"));
            box.exec();
        },
    });
}
