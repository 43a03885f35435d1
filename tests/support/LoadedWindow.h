#pragma once
// The main window as a start-up leaves it: loaded in a program folder of its own (with an
// optional "Mirvel.ini" written first), the about box answered, shown and activated.

#include "shell/frmMirvel.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <memory>

class ModalDriver;

void clearUserStore();
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& data);

struct LoadedWindow {
    explicit LoadedWindow(const QByteArray& ini = {}, ModalDriver* driver = nullptr);
    ~LoadedWindow();

    QString iniPath() const;
    QByteArray ini() const { return readFile(iniPath()); }

    QTemporaryDir folder;
    std::unique_ptr<frmMirvel> form;
};
