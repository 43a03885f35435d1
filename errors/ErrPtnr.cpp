#include "errors/ErrPtnr.h"

#include "errors/Err.h"
#include "errors/WrapButton.h"
#include "render/Pictures.h"
#include "shell/ProgramInfo.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include <algorithm>

namespace {

// The dialog is designed in twips; the screen has 15 twips to a pixel.
constexpr int TwipsPerPixel = 15;
int px(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
QRect twipRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

constexpr int FrameWidth = 7215;
constexpr std::array<int, 4> ButtonLeft = {240, 2040, 3840, 5640};

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, int height) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(twipRect(0, 0, FrameWidth, height));
    // Captions are drawn in pure red.
    QPalette pal = frame->palette();
    pal.setColor(QPalette::WindowText, QColor(255, 0, 0));
    frame->setPalette(pal);
    return frame;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    // Child widgets would inherit the red caption colour of their frame.
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
    label->setPalette(pal);
    return label;
}

std::array<QPushButton*, 4> makeButtons(QGroupBox* frame, const char* name,
                                        const std::array<const char*, 4>& captions) {
    std::array<QPushButton*, 4> buttons{};
    for (int i = 0; i < 4; ++i) {
        auto* b = new WrapButton(QString::fromUtf8(captions[i]), frame);
        b->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
        b->setGeometry(twipRect(ButtonLeft[i], 240, 1335, 495));
        buttons[i] = b;
    }
    return buttons;
}

} // namespace

ErrPtnr& ErrPtnr::instance() {
    // Created on first use and kept, hidden, until the program ends.
    static ErrPtnr* theDialog = new ErrPtnr;
    return *theDialog;
}

ErrPtnr::ErrPtnr() {
    setObjectName(QStringLiteral("ErrPtnr"));
    setWindowTitle(QStringLiteral("Fehler / Error! "));
    setWindowIcon(QIcon(loadPicture(QStringLiteral(":/icons/stop.png"))));
    setModal(true);
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);

    framComment = makeFrame(this, "framComment", {}, 975);
    lblComment = makeLabel(framComment, QStringLiteral("lblComment"), QStringLiteral("lblComment"),
                           twipRect(120, 240, 6855, 615));
    lblComment->setWordWrap(true);
    lblComment->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    framFehler = makeFrame(this, "framFehler", QStringLiteral("Fehlerbeschreibung / error description:"), 1695);
    const std::array<const char*, 4> titles = {
        "Fehler-Nr / error :", "Modul:", "Prozedur / procedure:", "Zeile / Line:"};
    const std::array<int, 4> rowTop = {240, 960, 1200, 1440};
    QFont italic = small;
    italic.setItalic(true);
    for (int i = 0; i < 4; ++i) {
        lblErrTitel[i] = makeLabel(framFehler, QStringLiteral("lblErrTitel(%1)").arg(i), QString::fromUtf8(titles[i]),
                                   twipRect(120, rowTop[i], 1800, 255));
        lblErrTitel[i]->setFont(italic);
        lblErrTitel[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        lblError[i] =
            makeLabel(framFehler, QStringLiteral("lblError(%1)").arg(i), QStringLiteral("lblError(%1)").arg(i),
                      twipRect(1920, rowTop[i], i == 0 ? 5205 : 660, i == 0 ? 675 : 195));
        lblError[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    // The values start where the widest italic title ends, with the gap of the other rows:
    // at 1920 twips "Prozedur / procedure:" would run into its value.
    const QFontMetrics titleMetrics(italic);
    int valueLeft = px(1920);
    for (QLabel* title : lblErrTitel)
        valueLeft = std::max(valueLeft, title->x() + titleMetrics.horizontalAdvance(title->text()) + 8);
    for (QLabel* value : lblError)
        value->setGeometry(valueLeft, value->y(), value->x() + value->width() - valueLeft, value->height());
    // The description box has a fixed size: a long text wraps and is cut at its bottom.
    lblError[0]->setWordWrap(true);

    framProgInfo = makeFrame(this, "framProgInfo", QStringLiteral("Programm-Info:"), 615);
    lblProgInfo = makeLabel(framProgInfo, QStringLiteral("lblProgInfo"), {}, twipRect(30, 240, 7110, 195));
    lblProgInfo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    framProtocol = makeFrame(this, "framProtocol", QStringLiteral("Fehlerprotokoll ... / error protocoll..."), 855);
    cmdProtocol = makeButtons(framProtocol, "cmdProtocol", {"&Drucken/Print", "&Speichern/Save", "&EMail", "&WWW"});

    framContinue = makeFrame(this, "framContinue", QStringLiteral("Weiterer Programmablauf... / Continue..."), 855);
    cmdContinue =
        makeButtons(framContinue, "cmdContinue",
                    {"Wieder&holen Retry", "&Ignorieren   Ignore", "&Abbrechen Cancel", "&Beenden       End"});
    for (int i = 0; i < 4; ++i) {
        connect(cmdContinue[i], &QPushButton::clicked, this, [this, i] { cmdContinue_Click(i); });
        connect(cmdProtocol[i], &QPushButton::clicked, this, [this, i] { cmdProtocol_Click(i); });
    }

    // Focus goes through the protocol buttons first, then the continue buttons; no button is
    // the default one.
    for (int i = 0; i < 4; ++i) {
        for (auto* b : {cmdProtocol[i], cmdContinue[i]}) {
            b->setAutoDefault(false);
            b->setDefault(false);
        }
    }
    QWidget* previous = cmdProtocol[0];
    for (QWidget* next : {cmdProtocol[1], cmdProtocol[2], cmdProtocol[3], cmdContinue[0], cmdContinue[1],
                          cmdContinue[2], cmdContinue[3]}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (auto* frame : {framComment, framFehler, framProgInfo, framProtocol})
        frame->hide();
    for (auto* b : cmdProtocol)
        b->hide();
    for (auto* b : cmdContinue)
        b->hide();
}

QString ErrPtnr::programLine() {
    return QStringLiteral("%1  V%2.%3.%4")
        .arg(ProgramInfo::exeName())
        .arg(ProgramInfo::versionMajor())
        .arg(ProgramInfo::versionMinor())
        .arg(ProgramInfo::versionRevision());
}

std::int16_t ErrPtnr::OnError(const QString& AktModul, const QString& AktProc) {
    // A second report while the dialog waits must not open it over itself: leave that procedure.
    if (m_showing)
        return 2;

    lblError[0]->setText(QStringLiteral("%1 (%2)").arg(Err.Number).arg(Err.Description));
    lblError[1]->setText(AktModul);
    lblError[2]->setText(AktProc);
    lblError[3]->setText(QString::number(Err.Line));
    for (int i = 1; i < 4; ++i)
        lblError[i]->adjustSize();
    if (lblProgInfo->text().isEmpty())
        lblProgInfo->setText(programLine());
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    ArrangeFrames();
    AppendProtocolLog();
    QApplication::beep();

    m_showing = true;
    cmdProtocol[0]->setFocus();
    exec();
    m_showing = false;
    return ContinueChoice;
}

void ErrPtnr::ArrangeFrames() {
    framComment->show();
    framComment->move(0, 0);
    int y = framComment->height();
    lblComment->setText(QStringLiteral("There is a problem. Please contact the author if this problem appears "
                                       "again.\r\nEs liegt ein Problem vor, mit dem Sie sich an den technischen "
                                       "Support wenden sollten, falls es wiederholt auftritt."));
    for (auto* frame : {framFehler, framProgInfo, framProtocol}) {
        frame->show();
        frame->move(0, y);
        y += frame->height();
    }
    for (auto* b : cmdProtocol)
        b->show();
    framContinue->move(0, y);
    y += framContinue->height();
    for (auto* b : cmdContinue)
        b->show();

    setFixedSize(framFehler->width(), y);
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        const QSize outer = frameGeometry().size().expandedTo(size());
        move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
    }
}

void ErrPtnr::SetProgInfo(const QString& Text) {
    lblProgInfo->setText(Text);
}

QString ErrPtnr::LPSTRToVBString(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? QString() : text.left(nul);
}

void ErrPtnr::cmdContinue_Click(int Index) {
    ContinueChoice = static_cast<std::int16_t>(Index);
    hide();
}

void ErrPtnr::keyPressEvent(QKeyEvent* event) {
    // No button is the cancel button: a key pressed by reflex must not choose how to go on.
    if (event->matches(QKeySequence::Cancel))
        return;
    QDialog::keyPressEvent(event);
}

void ErrPtnr::reject() {
    // Closing the window chooses "leave the procedure".
    ContinueChoice = 2;
    QDialog::reject();
}
