#include "shell/frmMirvel.h"

#include "errors/Procedure.h"
#include "errors/RuntimeError.h"
#include "lang/Language.h"
#include "render/BoardGeometry.h"
#include "render/Decoration.h"
#include "render/ImageControl.h"
#include "render/OwnPicture.h"
#include "render/Pictures.h"
#include "shell/Accessibility.h"
#include "shell/Allgemein.h"
#include "shell/FileLocations.h"
#include "shell/FirstPaint.h"
#include "shell/Globals.h"
#include "shell/PrivateProfile.h"
#include "shell/WindowPlacement.h"
#include "sound/WaveOut.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace {

QAction* addEntry(QMenu* menu, const char* name, const QString& caption, bool checkable = false) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    return action;
}

QMenu* addSubmenu(QWidget* parent, const char* name, const QString& caption) {
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

void addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

QString pictureResource(long long id) {
    return QStringLiteral(":/bitmap/%1").arg(id);
}

} // namespace

QPixmap LoadResPicture(int id) {
    QPixmap picture = loadPuzzlePicture(pictureResource(id));
    if (picture.isNull())
        raiseError(ErrNo::ResourceNotFound);
    return picture;
}

std::function<QPixmap()> LoadResPictureLater(int id) {
    if (!QFile::exists(pictureResource(id)))
        raiseError(ErrNo::ResourceNotFound);
    return [id] { return LoadResPicture(id); };
}

void PrefetchSavedPicture(const QString& commandLinePicture) {
    if (!commandLinePicture.isEmpty()) {
        prefetchPicture(commandLinePicture, readOwnPicture);
        return;
    }
    // Read as Form_Load reads it; a value it refuses is left to it to report.
    const long long picture =
        PrivateProfile::getInt(QStringLiteral("Optionen"), QStringLiteral("Picture"), 0, IniFilePath());
    if (picture == 3) {
        const QString file = GetIniText(QStringLiteral("Optionen"), QStringLiteral("PictureFile"));
        if (!file.isEmpty())
            prefetchPicture(file, readOwnPicture);
    } else if (picture >= 0 && picture < 100) {
        // A built-in picture is first needed after the about box. Decoded earlier, it took a
        // core from the X server while the first window was built and shown (10 ms later).
        afterFirstPaint([picture] { prefetchPicture(pictureResource(101 + picture), readPuzzlePicture); });
    }
}

namespace {
frmMirvel* g_instance = nullptr;
} // namespace

frmMirvel* frmMirvel::instance() {
    return g_instance;
}

frmMirvel::~frmMirvel() {
    if (g_instance == this)
        g_instance = nullptr;
    qApp->removeEventFilter(this);
}

frmMirvel::frmMirvel() {
    g_instance = this;
    installTileAccessibility();
    setObjectName(QStringLiteral("frmMirvel"));
    setWindowTitle(QStringLiteral("Mirvel"));
    createMenus();
    createControls();
    connectEvents();
    setAcceptDrops(true); // a picture file dropped on the window becomes the board's picture
    qApp->installEventFilter(this);
}

void frmMirvel::createMenus() {
    QMenuBar* bar = menuBar();

    mnuSpiel = addSubmenu(bar, "mnuSpiel", QStringLiteral("&Spiel"));
    mnuStart = addEntry(mnuSpiel, "mnuStart", QStringLiteral("&Start"));
    mnuHighScore = addEntry(mnuSpiel, "mnuHighScore", QStringLiteral("&Champions anzeigen..."));
    addSeparator(mnuSpiel, "mnuBar1");
    mnuEnde = addEntry(mnuSpiel, "mnuEnde", QStringLiteral("Be&enden"));
    bar->addMenu(mnuSpiel);

    mnuOptionen = addSubmenu(bar, "mnuOptionen", QStringLiteral("&Optionen"));
    mnuTeile = addSubmenu(mnuOptionen, "mnuTeile", QStringLiteral("&Teile"));
    for (int i = 0; i < 6; ++i) {
        mnuSize[i] = addEntry(mnuTeile, "mnuSize", QStringLiteral("&%1 x %1").arg(i + 3), true);
        mnuSize[i]->setProperty("Index", i);
    }
    mnuSize[2]->setChecked(true);
    mnuOptionen->addMenu(mnuTeile);
    addSeparator(mnuOptionen, "mnuBar5");
    mnuBilder = addSubmenu(mnuOptionen, "mnuBilder", QStringLiteral("&Bild"));
    for (int i = 0; i < 3; ++i) {
        mnuBild[i] = addEntry(mnuBilder, "mnuBild", QStringLiteral("&%1").arg(i + 1), true);
        mnuBild[i]->setProperty("Index", i);
    }
    addSeparator(mnuBilder, "mnuBar7");
    mnuBild[3] = addEntry(mnuBilder, "mnuBild", QStringLiteral("&Eigenes Bild..."), true);
    mnuBild[3]->setProperty("Index", 3);
    mnuOptionen->addMenu(mnuBilder);
    mnuShowNumbers = addEntry(mnuOptionen, "mnuShowNumbers", QStringLiteral("&Nummern anzeigen"), true);
    addSeparator(mnuOptionen, "mnubar2");
    mnuSprache = addSubmenu(mnuOptionen, "mnuSprache", QStringLiteral("&Sprache"));
    for (int i = 0; i < int(Languages.size()); ++i) {
        mnuLang[i] = addEntry(mnuSprache, "mnuLang", u'&' + QString::fromUtf8(Languages[i].name), true);
        mnuLang[i]->setProperty("Index", i);
    }
    mnuLang[0]->setChecked(true);
    mnuOptionen->addMenu(mnuSprache);
    addSeparator(mnuOptionen, "mnuBar3");
    mnuPlaySounds = addEntry(mnuOptionen, "mnuPlaySounds", QStringLiteral("&Geräusche"), true);
    mnuPlaySounds->setChecked(true);
    mnuPlayMusic = addSubmenu(mnuOptionen, "mnuPlayMusic", QStringLiteral("&Hintergrundmusik"));
    const char* modes[] = {"&keine", "&einmal", "end&los"};
    for (int i = 0; i < 3; ++i) {
        mnuMusic[i] = addEntry(mnuPlayMusic, "mnuMusic", QLatin1String(modes[i]), true);
        mnuMusic[i]->setProperty("Index", i);
    }
    mnuMusic[1]->setChecked(true);
    mnuOptionen->addMenu(mnuPlayMusic);
    bar->addMenu(mnuOptionen);

    mnuHilfe = addSubmenu(bar, "mnuHilfe", QStringLiteral("&Hilfe"));
    mnuOnlinehilfe = addEntry(mnuHilfe, "mnuOnlinehilfe", QStringLiteral("Online&hilfe"));
    addSeparator(mnuHilfe, "mnuBar4");
    mnuHomepage = addEntry(mnuHilfe, "mnuHomepage", QStringLiteral("&Kelmsoft's Homepage..."));
    mnuEMail = addEntry(mnuHilfe, "mnuEMail", QStringLiteral("&E-Mail an Kelmsoft..."));
    addSeparator(mnuHilfe, "mnuBar6");
    mnuUeber = addEntry(mnuHilfe, "mnuUeber", QStringLiteral("&Über..."));
    bar->addMenu(mnuHilfe);
}

void frmMirvel::createControls() {
    client = new ClientArea(this);
    client->setObjectName(QStringLiteral("client"));
    client->setMinimumSize(LeastClient);
    setCentralWidget(client);
    resizeClient(DesignClient);

    shpRahmen = new ShapeControl(QColor(64, 0, 0), 13, client);
    shpRahmen->setObjectName(QStringLiteral("shpRahmen"));
    shpRahmen->hide();

    imgLeer = new ImageControl(client);
    imgLeer->setObjectName(QStringLiteral("imgLeer"));
    imgLeer->setPicture(loadPicture(QStringLiteral(":/bitmap/empty")));
    imgLeer->hide();

    imgHinterg = new ImageControl(client);
    imgHinterg->setObjectName(QStringLiteral("imgHinterg"));
    imgHinterg->setPicture(loadPicture(QStringLiteral(":/decoration/fabric.png")));
    imgHinterg->hide();

    // Element 0 is the designed tile; Form_Load creates the other 63 as copies of it.
    imgPuzz[0] = new ImageControl(client);
    imgPuzz[0]->setObjectName(QStringLiteral("imgPuzz(0)"));
    imgPuzz[0]->setBevelled(true);
    imgPuzz[0]->setWidth(100);
    imgPuzz[0]->setHeight(100);

    for (int i = 0; i < 2; ++i) {
        imgLaden[i] = new ImageControl(client);
        imgLaden[i]->setObjectName(QStringLiteral("imgLaden(%1)").arg(i));
        imgLaden[i]->hide();
    }

    linBank = new LineControl(QColor(64, 0, 0), 10, client);
    linBank->setObjectName(QStringLiteral("linBank"));
    linBank->hide();

    // Their icons are drawn at the layout, at the size the board gives them.
    const char* tips[] = {"Spiel starten", "Spiel beenden"};
    for (int i = 0; i < 2; ++i) {
        PicBut[i] = new QPushButton(client);
        PicBut[i]->setObjectName(QStringLiteral("PicBut(%1)").arg(i));
        PicBut[i]->setFixedSize(37, 37);
        PicBut[i]->setToolTip(QLatin1String(tips[i]));
        PicBut[i]->setAccessibleName(QLatin1String(tips[i])); // a picture only: say what it does
        // The arrow keys belong to the board, not to a focused button.
        PicBut[i]->setFocusPolicy(Qt::NoFocus);
    }

    lblTime = new QLabel(QStringLiteral("0"), client);
    lblTime->setObjectName(QStringLiteral("lblTime"));
    lblTime->setFixedSize(65, 35);
    lblTime->setAlignment(Qt::AlignCenter);
    lblTime->setAutoFillBackground(true);
    QPalette pal = lblTime->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, QColor(255, 128, 0));
    lblTime->setPalette(pal);
    QFont clockFont;
    clockFont.setFamilies(
        {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    clockFont.setPointSizeF(14.25);
    clockFont.setBold(true);
    lblTime->setFont(clockFont);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    m_sharpen = new QTimer(this);
    m_sharpen->setSingleShot(true);
    m_sharpen->setInterval(100);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
}

void frmMirvel::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    notePlacementChange();
    reportUntrapped("frmMirvel", "Form_Resize", [this] { Form_Resize(); });
}

void frmMirvel::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A state set before the first display (a window that opens maximised) is laid out when it
    // shows, as any first size is.
    if (event->type() == QEvent::WindowStateChange && isVisible()) {
        notePlacementChange();
        reportUntrapped("frmMirvel", "Form_Resize", [this] { Form_Resize(); });
    }
}

void frmMirvel::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    notePlacementChange();
}

void frmMirvel::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_activatedOnce) {
        m_activatedOnce = true;
        // The first activation follows the first layout, as the window system orders them.
        QTimer::singleShot(0, this,
                           [this] { reportUntrapped("frmMirvel", "Form_Activate", [this] { Form_Activate(); }); });
        // The sound effects' libraries load on another core while the window first paints.
        if (SoundOn)
            QTimer::singleShot(0, this, [] { WaveOut::preload(); });
        // A picture the start could not open is said once the window shows.
        if (!m_pictureMessage.isEmpty())
            QTimer::singleShot(0, this, [this] {
                reportUntrapped("frmMirvel", "Form_Load",
                                [this] { showPictureMessage(std::exchange(m_pictureMessage, {})); });
            });
    }
}

bool frmMirvel::eventFilter(QObject* watched, QEvent* event) {
    // The program's own windows, the about box and the error dialog, give the activation back
    // to the main window when they close; message boxes and the name prompt do not count.
    if (event->type() == QEvent::Hide && isVisible() &&
        (watched->objectName() == QLatin1String("frmInfo") || watched->objectName() == QLatin1String("ErrPtnr")))
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                reportUntrapped("frmMirvel", "Form_Activate", [this] { Form_Activate(); });
        });
    return QMainWindow::eventFilter(watched, event);
}

void frmMirvel::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}
