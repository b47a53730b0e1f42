#include "scores/frmScores.h"
#include "platform/Announce.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Pictures.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "platform/basWave.h"
#include "scores/HighScoreTable.h"
#include "settings/basMain.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <array>

namespace quoxa {
namespace {

QTreeWidgetItem *AddPlaceRow(QTreeWidget *list, int place)
{
    auto *row = new QTreeWidgetItem(list, {QString::number(place) + QLatin1Char('.')});
    row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    return row;
}

} // namespace

bool frmScores::SaveScore(QString strName, Int16 intScore)
{
    return Trap([&] {
        // A candidate without a name would leave the entry it displaces standing twice.
        const QString name = strName.isEmpty() ? HighScoreTable::kNoName : strName;
        const bool entered = HighScoreTable::Offer({name, intScore}, tr("%1's %2").arg(name, intScore.toString()));
        if (entered)
            mNewEntries.append({name, intScore.value()});
        return entered;
    });
}

frmScores::frmScores(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmScores"));
    setWindowTitle(tr("High Scores"));
    setWindowFlags(kFixedDialogFlags);
    UseDesignColours(this);
    KeepOpenOnEscape(this);
    setFixedSize(TwipsSize(4230, 3345));
    setFont(DesignFont(u"MS Serif", 8.25));
    const QFont controls = QApplication::font();

    auto *ok = Place(new QPushButton(tr("OK"), this), QStringLiteral("cmdOk"), {2790, 2775, 1215, 375});
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmScores::cmdOk_Click);

    auto *reset =
        Place(new QPushButton(tr("Reset Scores"), this), QStringLiteral("cmdReset"), {1425, 2775, 1215, 375});
    connect(reset, &QPushButton::clicked, this, &frmScores::cmdReset_Click);

    lvwScores = Place(new QTreeWidget(this), QStringLiteral("lvwScores"), {150, 150, 3935, 2415});
    lvwScores->setHeaderLabels({QString(), tr("Name"), tr("Score")});
    lvwScores->setAccessibleName(windowTitle());
    lvwScores->headerItem()->setData(0, Qt::AccessibleTextRole, tr("Place")); // heard, not shown
    lvwScores->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    const std::array<int, 3> widths{400, 2500, 1000};
    for (int c = 0; c < 3; ++c)
        lvwScores->setColumnWidth(c, Px(widths[static_cast<std::size_t>(c)]));
    // The score column takes what the frame leaves of its width, so nothing scrolls sideways.
    lvwScores->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    lvwScores->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lvwScores->setRootIsDecorated(false);
    lvwScores->setSelectionMode(QAbstractItemView::NoSelection);
    lvwScores->setEditTriggers(QAbstractItemView::NoEditTriggers);

    for (QWidget *widget : std::initializer_list<QWidget *>{ok, reset, lvwScores})
        widget->setFont(controls);
    setTabOrder(ok, reset);
    setTabOrder(reset, lvwScores);

    auto *imgTrophy = Place(new QLabel(this), QStringLiteral("imgTrophy"), {225, 2700, 480, 480});
    imgTrophy->setPixmap(LoadPicture(QStringLiteral("TROPHY")).pixmap(32, 32));

    Trap([&] { FillScoreList(); });
    mNewEntries.clear();
    ok->setFocus();
}

void frmScores::FillScoreList()
{
    // What is stored, as it is: a score that is not a number is listed as its text.
    const QHash<QString, QString> stored = SettingsStore::ReadSection(kAppTitle, HighScoreTable::kSection);
    QList<QTreeWidgetItem *> rows;
    for (int n = 1; n <= HighScoreTable::kPlaces; ++n) {
        QTreeWidgetItem *row = rows.emplace_back(AddPlaceRow(lvwScores, n));
        const QString name = stored.value(HighScoreTable::NameKey(n));
        if (name.isEmpty())
            continue;
        row->setText(1, name);
        row->setText(2, stored.value(HighScoreTable::ScoreKey(n), QStringLiteral("0")));
    }
    // Opened to greet new entries, it marks each: the lowest row with its name and total,
    // as a newcomer goes below an equal total.
    for (const auto &[name, score] : blnNewHighScore ? mNewEntries : decltype(mNewEntries)()) {
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
            if ((*row)->text(1) != name || (*row)->text(2) != QString::number(score))
                continue;
            QFont bold = (*row)->font(1);
            bold.setBold(true);
            for (int column = 0; column < 3; ++column) {
                (*row)->setFont(column, bold);
                (*row)->setBackground(column, palette().color(QPalette::Highlight));
                (*row)->setForeground(column, palette().color(QPalette::HighlightedText));
            }
            if (const QString place = tr("%1 reaches place %2 with %3.").arg(name, QString::number(rows.rend() - row), QString::number(score));
                !mPlacesReached.contains(place))
                mPlacesReached << place;
            break;
        }
    }
}

void frmScores::ResetScoreList(QTreeWidget *list)
{
    list->clear();
    for (int n = 1; n <= HighScoreTable::kPlaces; ++n)
        AddPlaceRow(list, n);
}

void frmScores::cmdReset_Click()
{
    Trap([&] {
        AskYesNo(this, tr("Reset Scores"), tr("Are you sure that you want to reset all scores?"), QMessageBox::Yes, [this] {
            if (gblnPlaySound)
                basWave::PlayWave(QStringLiteral("FLUSH"));
            ResetScoreList(lvwScores);
            SettingsStore::DeleteSection(kAppTitle, HighScoreTable::kSection, tr("the cleared high scores"));
        });
    });
}

void frmScores::cmdOk_Click()
{
    Trap([&] { accept(); });
}

bool frmScores::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) {
        if (!mPlacesReached.isEmpty()) // the marked rows, in words
            Announce(this, std::exchange(mPlacesReached, {}).join(u' '));
        Form_Activate();
    }
    return handled;
}

void frmScores::Form_Activate()
{
    Trap([&] {
        if (!gblnPlaySound || !blnNewHighScore)
            return;
        basWave::PlayWave(QStringLiteral("CHIMES"));
        blnNewHighScore = false;
    });
}

} // namespace quoxa
