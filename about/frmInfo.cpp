#include "about/frmInfo.h"

#include "about/LocaleId.h"
#include "errors/Procedure.h"
#include "lang/Language.h"
#include "lang/StringTable.h"
#include "links/Addresses.h"
#include "links/ShellOpen.h"
#include "render/Pictures.h"
#include "shell/Allgemein.h"
#include "shell/Globals.h"
#include "shell/ProgramInfo.h"
#include "shell/UserStore.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int BoxWidth = 356;
constexpr int BoxHeight = 329;
constexpr rt::Integer MaxStartCount = 32767;

QLabel* makeLabel(QWidget* parent, const QString& name, QRect geometry, double points, bool bold, QColor color) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    QFont f = label->font();
    f.setPointSizeF(points);
    f.setBold(bold);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
    return label;
}

QLabel* makePicture(QWidget* parent, const QString& name, const QString& resource, QRect geometry) {
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    image->setGeometry(geometry);
    image->setPixmap(loadPicture(resource));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

} // namespace

frmInfo::frmInfo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(ProgramInfo::title());
    setFixedSize(BoxWidth, BoxHeight);
    setModal(true);

    Image2 = makePicture(this, QStringLiteral("Image2"), QStringLiteral(":/about/diskette.png"),
                         QRect(0, 0, BoxWidth, BoxHeight));
    Label[0] = makeLabel(this, QStringLiteral("Label(0)"), QRect(56, 80, 249, 17), 12, true, Qt::black);
    Label[2] = makeLabel(this, QStringLiteral("Label(2)"), QRect(56, 112, 249, 29), 13.5, true, QColor(128, 0, 0));
    Label[2]->setText(QStringLiteral("Freeware"));
    lblHomepage = makeLabel(this, QStringLiteral("lblHomepage"), QRect(56, 140, 249, 17), 8.25, true, Qt::blue);
    lblHomepage->setText(Addresses::Homepage);
    lblHomepage->setCursor(Qt::PointingHandCursor);
    lblHomepage->installEventFilter(this);
    Label[3] = makeLabel(this, QStringLiteral("Label(3)"), QRect(48, 160, 225, 17), 8.25, false, Qt::black);
    Label[3]->setText(QStringLiteral("Weitere Informationen siehe liesmich.txt!"));
    Label[4] = makeLabel(this, QStringLiteral("Label(4)"), QRect(56, 176, 209, 17), 8.25, false, Qt::black);
    Label[4]->setText(QStringLiteral("TOVA-Programm-Nummer KLV_106"));
    Image1 = makePicture(this, QStringLiteral("Image1(1)"), QStringLiteral(":/about/catalogue.png"),
                         QRect(264, 162, 32, 32));

    ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setGeometry(208, 264, 41, 33);
    ok->hide();
    connect(ok, &QPushButton::clicked, this, [this] { ok_Click(); });

    for (int i = 0; i < int(Languages.size()); ++i) {
        const QString name = QString::fromUtf8(Languages[i].name);
        imgLang[i] = makePicture(this, QStringLiteral("imgLang(%1)").arg(i), QLatin1String(Languages[i].flag),
                                 QRect(296, 224 + 24 * i, 32, 20));
        imgLang[i]->setToolTip(name);
        imgLang[i]->setAccessibleName(name);
        imgLang[i]->setCursor(Qt::PointingHandCursor);
        imgLang[i]->installEventFilter(this);
        imgLang[i]->hide();
    }
}

void frmInfo::showModal(QWidget* parent) {
    frmInfo box(parent);
    box.Form_Load();
    box.exec();
}

void frmInfo::Form_Load() {
    Procedure p("frmInfo", "Form_Load");
    rt::Integer starts = 0;
    p.run({
        [&] {
            if (const QScreen* screen = QGuiApplication::primaryScreen()) {
                const QRect area = screen->geometry();
                move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
            }
        },
        [&] {
            Label[0]->setText(QStringLiteral("%1   %2.%3.%4")
                                  .arg(ProgramInfo::title())
                                  .arg(ProgramInfo::versionMajor())
                                  .arg(ProgramInfo::versionMinor())
                                  .arg(ProgramInfo::versionRevision()));
        },
        [&] {
            for (QLabel* flag : imgLang)
                flag->show();
            ok->show();
        },
        [&] {
            // A counter edited into something that is no number is reported here.
            starts = rt::CInt(rt::CDbl(GetSetting(ProgramInfo::title(), QStringLiteral("Optionen"),
                                                  QStringLiteral("StartVal"), QStringLiteral("0"))));
        },
        [&] {
            if (starts == 0)
                LangOffset = firstLanguageOffset(UserDefaultLanguageId());
            else
                LangOffset =
                    languageOffsetFromSaved(GetIniInt(QStringLiteral("Optionen"), QStringLiteral("Sprache"), 0));
        },
        [&] {
            // Only whether it is 0 matters; it stops at the largest 16-bit number.
            const rt::Integer next = starts < MaxStartCount ? rt::add(starts, 1) : MaxStartCount;
            SaveSetting(ProgramInfo::title(), QStringLiteral("Optionen"), QStringLiteral("StartVal"),
                        QString::number(next));
        },
        [&] { ApplyInfoTexts(); },
    });
}

void frmInfo::Form_Activate() {
    Procedure p("frmInfo", "Form_Activate");
    p.run({
        [&] {
            LangOffset =
                languageOffsetFromSaved(GetIniInt(QStringLiteral("Optionen"), QStringLiteral("Sprache"), LangOffset));
        },
        [&] { ApplyInfoTexts(); },
    });
}

namespace {
// Some translations are longer than their fixed label: the font shrinks until the text fits.
void fitToWidth(QLabel* label, double points) {
    QFont f = label->font();
    f.setPointSizeF(points);
    while (f.pointSizeF() > 6 && QFontMetricsF(f).horizontalAdvance(label->text()) > label->width())
        f.setPointSizeF(f.pointSizeF() - 0.25);
    label->setFont(f);
}
} // namespace

void frmInfo::ApplyInfoTexts() {
    Label[3]->setText(text(102));
    Label[4]->setText(text(103));
    fitToWidth(Label[3], 8.25);
    fitToWidth(Label[4], 8.25);
}

void frmInfo::imgLang_Click(int Index) {
    Procedure p("frmInfo", "imgLang_Click");
    const rt::Integer offset = rt::checked(Index * 1000LL);
    p.run({
        [&] {
            if (offset == LangOffset)
                p.leave(); // the flag of the current language changes nothing
        },
        [&] { LangOffset = offset; },
        [&] { WriteIniString(QStringLiteral("Optionen"), QStringLiteral("Sprache"), rt::Str(offset)); },
        [&] { ApplyInfoTexts(); },
    });
}

void frmInfo::lblHomepage_Click() {
    ShellOpen(Addresses::Homepage);
}

void frmInfo::ok_Click() {
    accept();
}

void frmInfo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        Form_Activate();
    }
}

bool frmInfo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == lblHomepage) {
            reportUntrapped("frmInfo", "lblHomepage_Click", [this] { lblHomepage_Click(); });
            return true;
        }
        for (int i = 0; i < int(Languages.size()); ++i) {
            if (watched == imgLang[i]) {
                imgLang_Click(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
