// Puts the texts of the current language on the main window's menus and buttons, and the
// language menu that switches it.

#include "errors/Procedure.h"
#include "help/HtmlHelp.h"
#include "lang/Language.h"
#include "lang/StringTable.h"
#include "shell/Allgemein.h"
#include "shell/Globals.h"
#include "shell/frmMirvel.h"
#include "sound/Sound.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

void frmMirvel::Sprache() {
    Procedure p("frmMirvel", "Sprache");
    // One numbered step a line.
    // clang-format off
    p.run({
        [&] { mnuStart->setText(text(137)); },
        [&] { mnuEMail->setText(text(122)); },
        [&] { mnuEnde->setText(text(115)); },
        [&] { mnuHighScore->setText(text(114)); },
        [&] { mnuHilfe->setTitle(text(120)); },
        [&] { mnuOnlinehilfe->setText(text(121)); },
        [&] { mnuOptionen->setTitle(text(116)); },
        [&] { mnuTeile->setTitle(text(148)); },
        [&] { mnuBilder->setTitle(text(152)); },
        [&] { mnuPlayMusic->setTitle(text(118)); },
        [&] { mnuMusic(0)->setText(text(149)); },
        [&] { mnuMusic(1)->setText(text(133)); },
        [&] { mnuMusic(2)->setText(text(134)); },
        [&] { mnuPlaySounds->setText(text(119)); },
        [&] { mnuSpiel->setTitle(text(113)); },
        [&] { mnuSprache->setTitle(text(138)); },
        [&] { mnuUeber->setText(text(123)); },
        [&] { PicBut(0)->setToolTip(text(110)), PicBut(0)->setAccessibleName(text(110)); },
        [&] { PicBut(1)->setToolTip(text(111)), PicBut(1)->setAccessibleName(text(111)); },
        [&] { mnuBild(3)->setText(text(153)); },
        [&] { mnuShowNumbers->setText(text(156)); },
        [&] { setHelpLanguage(LangOffset); }, // the help window follows
    });
    // clang-format on
}

void frmMirvel::mnuLang_Click(int Index) {
    Procedure p("frmMirvel", "mnuLang_Click");
    p.run({
        [&] { LangOffset = rt::checked(Index * 1000LL); },
        [&] { Sprache(); },
        [&] {
            for (int i = 0; i < int(Languages.size()); ++i)
                mnuLang(i)->setChecked(false);
        },
        [&] { WriteIniString(QStringLiteral("Optionen"), QStringLiteral("Sprache"), rt::Str(LangOffset)); },
        [&] { mnuLang(Index)->setChecked(true); },
    });
}

void frmMirvel::Form_Activate() {
    Procedure p("frmMirvel", "Form_Activate");
    int index = 0;
    p.run({
        [&] { index = languageIndex(LangOffset); },
        [&] { mnuLang_Click(index); },
        [&] {
            if (MusicOn != 0)
                MakeMusic(); // a new tune when none is open
        },
    });
}
