// The picture menu: the three built-in pictures and the player's own, which comes from a file
// dialog, a file dropped on the window or the command line; and the numbers on the tiles. Each
// choice resets the board and is stored at once.

#include "errors/Procedure.h"
#include "lang/StringTable.h"
#include "render/Decoration.h"
#include "render/ImageControl.h"
#include "render/OwnPicture.h"
#include "render/Pictures.h"
#include "shell/Allgemein.h"
#include "shell/ProgramInfo.h"
#include "shell/frmMirvel.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QMimeData>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QThreadPool>
#include <QUrl>
#include <cstdio>

namespace {

constexpr int OwnPicture = 3; // the picture menu's entry, and the stored "Picture"

// The one local file of a drag, or an empty text.
QString droppedFile(const QMimeData* data) {
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

// Every picture this Qt can read in one filter first, then each format on its own.
QStringList pictureFilters() {
    const QMimeDatabase types;
    QStringList patterns, filters;
    for (const QByteArray& name : QImageReader::supportedMimeTypes()) {
        const QMimeType type = types.mimeTypeForName(QString::fromLatin1(name));
        if (!type.isValid() || type.globPatterns().isEmpty())
            continue;
        patterns += type.globPatterns();
        filters += type.filterString();
    }
    patterns.removeDuplicates();
    return QStringList{patterns.join(u' ')} + filters;
}

} // namespace

QString commandLinePicture(const QStringList& arguments) {
    if (arguments.size() > 1)
        std::fprintf(stderr, "mirvel: one picture file at most; starting with the saved picture\n");
    if (arguments.size() != 1 || arguments.first().isEmpty())
        return {};
    const QString& file = arguments.first();
    if (file.startsWith(QLatin1String("file:"))) // a desktop that hands over a URL
        return QUrl(file).toLocalFile();
    // Made absolute, so that the options name it from wherever the next start runs.
    return QDir::isAbsolutePath(file) ? file : QDir::current().absoluteFilePath(file);
}

void frmMirvel::checkPicture(int Index) {
    for (int i = 0; i < int(mnuBild.size()); ++i)
        mnuBild(i)->setChecked(i == Index);
    m_pictureShown = Index;
}

void frmMirvel::mnuBild_Click(int Index) {
    if (Index == OwnPicture) {
        chooseOwnPicture();
        return;
    }
    cancelOwnPicture();
    for (int i = 0; i < int(mnuBild.size()); ++i)
        mnuBild(i)->setChecked(false);
    PicClip1.setPicture(LoadResPicture(101 + Index));
    NewGame();
    checkPicture(Index);
    // Written under the lower-case key; keys match without regard to case.
    WriteIniString(QStringLiteral("Optionen"), QStringLiteral("picture"), rt::Str(Index));
}

void frmMirvel::startPicture(rt::Integer& picture) {
    if (!m_startPicture.isEmpty()) {
        QImage image = takePicture(m_startPicture, readOwnPicture);
        if (!image.isNull()) {
            rememberOwnPicture(m_startPicture);
            picture = OwnPicture;
            PicClip1.setPicture(puzzlePixmap(std::move(image)));
            return;
        }
        m_pictureMessage = m_startPicture;
    }
    picture = GetIniInt(QStringLiteral("Optionen"), QStringLiteral("Picture"), 0);
    if (picture != OwnPicture) {
        PicClip1.setPictureLater(LoadResPictureLater(101 + picture));
        return;
    }
    // A file that has gone (a stick not plugged in) leaves the options as they are, so that the
    // picture comes back with the file; until then the board shows the first picture.
    const QString path = GetIniText(QStringLiteral("Optionen"), QStringLiteral("PictureFile"));
    QImage image = path.isEmpty() ? QImage() : takePicture(path, readOwnPicture);
    if (!image.isNull()) {
        PicClip1.setPicture(puzzlePixmap(std::move(image)));
        return;
    }
    if (m_pictureMessage.isEmpty() && !path.isEmpty())
        m_pictureMessage = path;
    picture = 0;
    PicClip1.setPictureLater(LoadResPictureLater(101));
}

void frmMirvel::chooseOwnPicture() {
    checkPicture(m_pictureShown); // the entry's own check mark waits for the picture
    const QString current = GetIniText(QStringLiteral("Optionen"), QStringLiteral("PictureFile"));
    QString folder = QFileInfo(current).absolutePath();
    if (current.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QFileDialog dialog(this, text(154), QFileInfo(folder).isDir() ? folder : QDir::homePath());
    dialog.setObjectName(QStringLiteral("dlgOwnPicture"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(pictureFilters());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        OpenOwnPicture(dialog.selectedFiles().first());
}

void frmMirvel::OpenOwnPicture(const QString& path) {
    const int request = ++m_pictureRequest;
    setPictureLoading(true);
    // Read on another thread, so that a large photo does not stop the window; the result comes
    // back through the event loop, to whichever main window there is then.
    const int pixels = largestBoardPixels();
    QThreadPool::globalInstance()->start([request, path, pixels] {
        QImage image = readOwnPicture(path, pixels);
        QMetaObject::invokeMethod(
            qApp,
            [request, path, image = std::move(image)] {
                if (frmMirvel* form = frmMirvel::instance())
                    reportUntrapped("frmMirvel", "mnuBild_Click", [&] { form->ownPictureRead(request, path, image); });
            },
            Qt::QueuedConnection);
    });
}

void frmMirvel::ownPictureRead(int request, const QString& path, const QImage& image) {
    if (request != m_pictureRequest)
        return; // another picture was chosen meanwhile
    setPictureLoading(false);
    if (image.isNull()) {
        m_startWaiting = false;
        showPictureMessage(path);
        return;
    }
    PicClip1.setPicture(puzzlePixmap(image));
    NewGame();
    checkPicture(OwnPicture);
    rememberOwnPicture(path);
    if (std::exchange(m_startWaiting, false))
        mnuStart_Click();
}

void frmMirvel::rememberOwnPicture(const QString& path) {
    // The file first: killed between the two, the options still name a picture that exists.
    const QString stored = IniQuoted(path);
    if (stored.isEmpty())
        return; // a name with a line break cannot be kept: this run shows it, the next not
    WriteIniString(QStringLiteral("Optionen"), QStringLiteral("PictureFile"), stored);
    WriteIniString(QStringLiteral("Optionen"), QStringLiteral("Picture"), rt::Str(OwnPicture));
}

void frmMirvel::setPictureLoading(bool loading) {
    m_pictureLoading = loading;
    if (loading)
        client->setCursor(Qt::BusyCursor);
    else
        client->unsetCursor();
}

void frmMirvel::cancelOwnPicture() {
    ++m_pictureRequest;
    m_startWaiting = false;
    setPictureLoading(false);
}

void frmMirvel::showPictureMessage(const QString& path) {
    QMessageBox box(QMessageBox::Warning, ProgramInfo::title(), text(155).arg(QFileInfo(path).fileName()),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText); // a file may be named "<b>...</b>.png"
    box.exec();
}

void frmMirvel::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMirvel::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    reportUntrapped("frmMirvel", "Form_DragDrop", [&] { OpenOwnPicture(path); });
}

void frmMirvel::showNumbers() {
    mnuShowNumbers->setChecked(ShowNumbers != 0);
    for (ImageControl* tile : imgPuzz)
        if (tile) // a start-up whose tiles could not all be made
            tile->setNumberShown(ShowNumbers != 0);
}

void frmMirvel::mnuShowNumbers_Click() {
    Procedure p("frmMirvel", "mnuShowNumbers_Click");
    p.run({
        [&] { ShowNumbers = rt::Not(ShowNumbers); },
        [&] { showNumbers(); },
        [&] { WriteIniString(QStringLiteral("Optionen"), QStringLiteral("ShowNumbers"), rt::Str(ShowNumbers)); },
    });
}
