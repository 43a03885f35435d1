// The help menu: the help file, the maker's homepage and e-mail address, the about box.

#include "about/frmInfo.h"
#include "errors/Procedure.h"
#include "help/HtmlHelp.h"
#include "links/Addresses.h"
#include "links/ShellOpen.h"
#include "shell/ProgramInfo.h"
#include "shell/frmMirvel.h"

#include <QDir>

void frmMirvel::mnuOnlinehilfe_Click() {
    Procedure p("frmMirvel", "mnuOnlinehilfe_Click");
    p.run({
        [&] { HtmlHelp(this, QDir(ProgramInfo::folder()).filePath(Addresses::HelpFile), 0, 0); },
    });
}

void frmMirvel::mnuHomepage_Click() {
    ShellOpen(Addresses::Homepage);
}

void frmMirvel::mnuEMail_Click() {
    ShellOpen(QStringLiteral("mailto:") + Addresses::Support);
}

void frmMirvel::mnuUeber_Click() {
    // Closing the box makes the main window active again (see eventFilter): the language
    // chosen with a flag follows then.
    frmInfo::showModal(this);
}
