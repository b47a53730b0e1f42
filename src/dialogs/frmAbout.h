#pragma once
// The About window: title and version, who made the game, a two-frame animated icon, and
// a button to the licence.
#include <QDialog>

class QLabel;
class QTimer;

namespace quoxa {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget *owner);

    void tmrAbout_Timer();
    void cmdLicense_Click();
    void cmdOk_Click();

private:
    QLabel *imgAbout1 = nullptr;
    QLabel *imgAbout2 = nullptr;
    QTimer *tmrAbout = nullptr;
};

} // namespace quoxa
