#pragma once
// The high-score table: the ten best game totals in the settings store, and the window
// that lists them and can wipe them.
#include "engine/Checked.h"

#include <QDialog>
#include <QString>

class QPushButton;
class QTreeWidget;

namespace quoxa {

struct HighScoreEntry {
    QString strName; // empty: the place is not taken
    Int16 intScore;
};

class frmScores : public QDialog {
    Q_OBJECT

public:
    static inline const QString kSection = QStringLiteral("High Scores");
    static constexpr int kPlaces = 10;
    // Who enters the table without a name: such a player still deserves the place.
    static inline const QString kNoName = QStringLiteral("(no name)");

    // Offers one game total to the table; true when it entered and the table was
    // rewritten. Works on the store alone: the window need not be open.
    static bool SaveScore(QString strName, Int16 intScore);

    // Set just before the window greets a new entry; kept while the window is closed.
    static inline bool blnNewHighScore = false;

    explicit frmScores(QWidget *owner);

    void cmdReset_Click();
    void cmdOk_Click();

protected:
    bool event(QEvent *event) override;

private:
    void FillScoreList();
    static void ResetScoreList(QTreeWidget *list);
    static void DeleteSection(const QString &app, const QString &section);
    void Form_Activate();

    QTreeWidget *lvwScores = nullptr;
};

} // namespace quoxa
