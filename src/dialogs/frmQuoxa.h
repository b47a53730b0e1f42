#pragma once
// The celebration of five alike: "QUOXA" sounds, the word swings right, left and right
// again, and the window closes itself.
#include "engine/Checked.h"

#include <QDialog>

class QLabel;
class QTimer;

namespace quoxa {

class frmQuoxa : public QDialog {
    Q_OBJECT

public:
    // The pace the animation was made for: one tick per 1/64 second.
    static constexpr int kTickMs = 16;

    explicit frmQuoxa(QWidget *owner);
    void tmrQuoxa_Timer();

    Int16 intTicks;

private:
    void MoveWord(int twips);

    QLabel *lblQuoxa = nullptr;
    QTimer *tmrQuoxa = nullptr;
    bool mInTick = false;
};

} // namespace quoxa
