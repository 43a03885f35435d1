#pragma once
// The main window: menu bar, board of 64 tile images, decoration, the two picture buttons,
// the clock and the two timers. Its procedures are defined in the folders of their subsystems
// (puzzle/, render/, lang/, champions/, sound/, links/); this header names them all.

#include "lang/Language.h"
#include "render/PictureClip.h"
#include "shell/Runtime.h"

#include "shell/ControlArray.h"
#include <QMainWindow>

#include <array>

struct BoardGeometry;
class ClientArea;
class ImageControl;
class LineControl;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class ShapeControl;

class frmMirvel : public QMainWindow {
    Q_OBJECT
public:
    frmMirvel();
    ~frmMirvel() override;
    // The main window of the run (the last one made), as the general modules reach it.
    static frmMirvel* instance();

    // Where the window opens (the stored placement, or one that suits the screen), and the
    // client area's size, for a window that is not placed.
    void restorePlacement();
    void resizeClient(QSize size);
    // Full screen on F11, and back to the state before it.
    void toggleFullScreen();
    void leaveFullScreen();

    // Start-up, resize, shutdown; size and picture menus.
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void mnuSize_Click(int Index);
    void mnuBild_Click(int Index);

    // The player's own picture (entry 3 of the picture menu): chosen in a file dialog, dropped on
    // the window, or named on the command line (before Form_Load). It is read on another thread;
    // until it is there the board is busy and a start waits for it.
    void setStartPicture(const QString& path) { m_startPicture = path; }
    void OpenOwnPicture(const QString& path);
    bool PictureLoading() const { return m_pictureLoading; }
    void mnuShowNumbers_Click();

    // Board.
    void NewGame();
    void Shuffle();
    // The first layout deals a fresh board; a later one keeps the game and fits it anew.
    enum class Layout { First, KeepGame };
    void positionieren(Layout kind = Layout::First);

    // Play.
    void mnuStart_Click();
    void PicBut_Click(int Index);
    void imgPuzz_MouseDown(int Index, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, double X, double Y);
    void ChangeButtons(const rt::Integer& Index);
    void Timer1_Timer();
    void mnuEnde_Click();

    // Languages.
    void Sprache();
    void mnuLang_Click(int Index);
    void Form_Activate();

    // Champions.
    void WriteHighScore();
    void mnuHighScore_Click();

    // Sound and music.
    void mnuPlaySounds_Click();
    void mnuMusic_Click(int Index);
    void Timer2_Timer();

    // Help menu.
    void mnuOnlinehilfe_Click();
    void mnuHomepage_Click();
    void mnuEMail_Click();
    void mnuUeber_Click();

    // The board's state.
    rt::Integer GridSize = 5;
    rt::Integer EmptyCell = 0;
    rt::Boolean IsSolved = rt::False;
    rt::Long GameSeconds = 0;
    rt::Boolean ShowNumbers = rt::False;

    // Controls.
    ClientArea* client;
    ControlArray<ImageControl, 64> imgPuzz{};
    ImageControl* imgLeer;
    ImageControl* imgHinterg;
    ControlArray<ImageControl, 2> imgLaden{};
    ShapeControl* shpRahmen;
    LineControl* linBank;
    ControlArray<QPushButton, 2> PicBut{};
    QLabel* lblTime;
    QTimer* Timer1;
    QTimer* Timer2;
    PictureClip PicClip1;

    // Menus.
    QMenu* mnuSpiel;
    QAction* mnuStart;
    QAction* mnuHighScore;
    QAction* mnuEnde;
    QMenu* mnuOptionen;
    QMenu* mnuTeile;
    ControlArray<QAction, 6> mnuSize{};
    QMenu* mnuBilder;
    ControlArray<QAction, 4> mnuBild{};
    QAction* mnuShowNumbers;
    QMenu* mnuSprache;
    ControlArray<QAction, Languages.size()> mnuLang{};
    QAction* mnuPlaySounds;
    QMenu* mnuPlayMusic;
    ControlArray<QAction, 3> mnuMusic{};
    QMenu* mnuHilfe;
    QAction* mnuOnlinehilfe;
    QAction* mnuHomepage;
    QAction* mnuEMail;
    QAction* mnuUeber;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenus();
    void createControls();
    void connectEvents();
    void connectTile(int Index);
    void showPiece(ImageControl* tile, int piece, double side);
    void dealPictureCells(rt::Integer N, rt::Integer T);
    void recutPictureCells(rt::Integer N, rt::Integer T);
    void scaleControls(double scale);
    QPixmap drawShutter(QSizeF size) const;
    void sharpenPictures();
    void placeTiles(const BoardGeometry& g, rt::Integer N, bool show);
    void pressNeighbourOfBlank(int rowStep, int colStep);

    void startPicture(rt::Integer& picture); // into PicClip1
    void chooseOwnPicture();
    void ownPictureRead(int request, const QString& path, const QImage& image);
    void rememberOwnPicture(const QString& path);
    void setPictureLoading(bool loading);
    void cancelOwnPicture();
    void showPictureMessage(const QString& path);
    void checkPicture(int Index);
    void showNumbers(); // the menu's check mark and the tiles follow ShowNumbers

    void notePlacementChange();
    QString currentPlacement() const;
    void savePlacement();
    void savePendingPlacement();

    bool m_laidOut = false;         // LaidOut
    bool m_clockWasRunning = false; // ClockWasRunning
    bool m_newGameCalled = false;   // NewGame's first call of the run does nothing
    bool m_activatedOnce = false;
    QTimer* m_sharpen;                  // cuts the pieces again once the window has rested after a resize
    QTimer* m_placementTimer = nullptr; // the window's placement is kept once it has rested
    QString m_storedPlacement;
    bool m_maximisedBeforeFullScreen = false;
    int m_pictureShown = 0;   // the picture menu's entry that the board shows
    int m_pictureRequest = 0; // the last own picture asked for; an older one is dropped
    bool m_pictureLoading = false;
    bool m_startWaiting = false; // a start asked for while the picture loads
    QString m_startPicture;      // the command line's
    QString m_pictureMessage;    // a picture that could not be opened at the start, said once shown
};

// A picture resource of the program by number (":/bitmap/101"...); error 326 when missing.
QPixmap LoadResPicture(int id);
// The same, read on another thread (PrefetchSavedPicture) and taken when first needed; a
// resource that does not exist is error 326 at once.
std::function<QPixmap()> LoadResPictureLater(int id);
// The picture file of the command line ("mirvel FILE", the arguments after the program's name),
// absolute; an empty text when there is none.
QString commandLinePicture(const QStringList& arguments);
// Starts decoding the picture the board starts with on another thread: the command line's or
// the options' own picture at once (Form_Load waits for it), a built-in one once the first window
// has been painted.
void PrefetchSavedPicture(const QString& commandLinePicture = {});
