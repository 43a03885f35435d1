#include "help/HtmlHelp.h"

#include "help/HelpTexts.h"
#include "help/HelpWindow.h"
#include "lang/Language.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>

namespace {
QString& language() {
    static QString code = QLatin1String(Languages[0].helpFolder); // the game's own first language
    return code;
}

QPointer<HelpWindow>& window() {
    static QPointer<HelpWindow> one;
    return one;
}
} // namespace

void setHelpLanguage(int langOffset) {
    language() = QLatin1String(languageOf(static_cast<rt::Integer>(langOffset)).helpFolder);
}

void HtmlHelp(QWidget* owner, const QString& file, int /*command*/, int /*data*/) {
    QPointer<HelpWindow>& help = window();
    if (help && !help->isVisible())
        delete help; // closed, only waiting to be deleted: a new one shows at once
    const bool fresh = !help;
    if (fresh)
        help = new HelpWindow;
    if (!help->showHelp(file, language())) {
        if (fresh)
            delete help;
        QMessageBox::warning(owner, QStringLiteral("Mirvel"),
                             helpText(language(), HelpText::CannotOpen) + u'\n' + file);
        return;
    }
    if (fresh) {
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, help, &QWidget::close);
        if (owner)
            QObject::connect(owner, &QObject::destroyed, help, &QWidget::close);
    }
    help->show();
    if (help->isMinimized())
        help->showNormal();
    help->raise();
    help->activateWindow();
}
