#pragma once
// The high-score window: it lists the table and can wipe it. SaveScore offers a game total
// to the table.
#include "engine/Checked.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

class QPushButton;
class QTreeWidget;

namespace quoxa {

class frmScores : public QDialog {
    Q_OBJECT

public:
    // Offers one game total to the table; true when it entered and the table was
    // rewritten. Works on the store alone: the window need not be open.
    static bool SaveScore(QString strName, Int16 intScore);

    // Set just before the window greets a new entry; kept while the window is closed.
    static inline bool blnNewHighScore = false;
    // The entries made since the window last opened, as names and totals: opened to greet
    // them, it shows them marked.
    static inline QList<std::pair<QString, int>> mNewEntries;

    explicit frmScores(QWidget *owner);

    void cmdReset_Click();
    void cmdOk_Click();

protected:
    bool event(QEvent *event) override;

private:
    void FillScoreList();
    static void ResetScoreList(QTreeWidget *list);
    void Form_Activate();

    QTreeWidget *lvwScores = nullptr;
    QStringList mPlacesReached; // told to a screen reader as the window first comes up
};

} // namespace quoxa
