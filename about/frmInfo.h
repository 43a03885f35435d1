#pragma once
// The about box: title and version, "Freeware", the maker's homepage, two localised lines,
// the catalogue logo and four flags that switch the language. Loading it counts the starts
// and, on the very first one for this user, picks the language from the user's locale.

#include "lang/Language.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

class frmInfo : public QDialog {
    Q_OBJECT
public:
    explicit frmInfo(QWidget* parent = nullptr);

    // Loads the box, shows it modally and unloads it when it is closed.
    static void showModal(QWidget* parent);

    void Form_Load();
    void Form_Activate();
    void ApplyInfoTexts();
    void imgLang_Click(int Index);
    void lblHomepage_Click();
    void ok_Click();

    QLabel* Image2;
    std::array<QLabel*, 5> Label{}; // elements 0, 2, 3 and 4 exist
    QLabel* lblHomepage;
    QLabel* Image1;
    QPushButton* ok;
    std::array<QLabel*, Languages.size()> imgLang{};

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_activated = false;
};
