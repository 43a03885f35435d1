#pragma once
// The one error dialog of the program. Every trapped procedure hands its run-time error to
// OnError, which shows it and returns how to go on: 0 retry, 1 ignore, 2 leave, 3 end.
// The window is laid out in twips, created on first use and kept hidden between reports.

#include <QDialog>
#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QPushButton;

class ErrPtnr : public QDialog {
    Q_OBJECT
public:
    static ErrPtnr& instance();

    std::int16_t OnError(const QString& AktModul, const QString& AktProc);
    void SetProgInfo(const QString& Text);
    static QString LPSTRToVBString(const QString& text);

    void cmdContinue_Click(int Index);
    void cmdProtocol_Click(int Index);
    void BuildProtocol(QString& Protocol);
    void AppendProtocolLog();

    // Controls, named as the dialog names them.
    QGroupBox* framComment;
    QGroupBox* framFehler;
    QGroupBox* framProgInfo;
    QGroupBox* framProtocol;
    QGroupBox* framContinue;
    QLabel* lblComment;
    std::array<QLabel*, 4> lblErrTitel;
    std::array<QLabel*, 4> lblError;
    QLabel* lblProgInfo;
    std::array<QPushButton*, 4> cmdProtocol;
    std::array<QPushButton*, 4> cmdContinue;

    std::int16_t ContinueChoice = 0;

protected:
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ErrPtnr();
    void ArrangeFrames();
    static QString programLine();

    bool m_showing = false;
};
