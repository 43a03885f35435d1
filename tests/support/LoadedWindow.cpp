#include "support/LoadedWindow.h"

#include "shell/ProgramInfo.h"
#include "support/ModalDriver.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

void clearUserStore() {
    QSettings store(QStringLiteral("Mirvel"), QStringLiteral("Mirvel"));
    store.clear();
    store.sync();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(data);
}

LoadedWindow::LoadedWindow(const QByteArray& ini, ModalDriver* driver) {
    ProgramInfo::setFolder(folder.path());
    if (!ini.isNull())
        writeFile(iniPath(), ini);
    // Without a driver of the caller's, the start-up about box is answered here.
    std::unique_ptr<ModalDriver> own;
    if (!driver)
        own = std::make_unique<ModalDriver>(answer::aboutBoxesOnly());
    form = std::make_unique<frmMirvel>();
    form->Form_Load();
    form->show();
    QTest::qWait(20); // the first activation runs after the first layout
}

LoadedWindow::~LoadedWindow() {
    ProgramInfo::setFolder({});
}

QString LoadedWindow::iniPath() const {
    return QDir(folder.path()).filePath(QStringLiteral("Mirvel.ini"));
}
