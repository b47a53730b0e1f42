// The game in every language it speaks: each text fits the room its control has at the
// designed sizes and zoomed, and nothing a player reads stays English (names, numbers and "Quoxa"
// aside); the language follows the desktop's preferences, English first.
#include "TestSupport.h"
#include "board/frmMain.h"
#include "dialogs/frmAbout.h"
#include "platform/DesignControls.h"
#include "platform/Languages.h"
#include "platform/Pictures.h"
#include "scores/frmScores.h"
#include "settings/basRegistry.h"
#include "settings/frmOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenuBar>
#include <QRadioButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QTranslator>

using namespace quoxa;
using namespace quoxa::test;

namespace {

// Every text of a window that a player reads on a control of a fixed size: "where: text"
// with the pixels it needs and has.
struct Text { QString where, text; int needs, has; };

int Width(const QWidget *control, const QString &text)
{
    return control->fontMetrics().horizontalAdvance(QString(text).remove(u'&'));
}

void Walk(QWidget *window, std::vector<Text> &texts)
{
    const auto add = [&](const QWidget *w, const QString &part, const QString &text, int needs, int has) {
        if (!text.isEmpty() && w->isVisibleTo(window))
            texts.push_back({window->objectName() + u'/' + w->objectName() + part, text, needs, has});
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const auto *button = qobject_cast<QAbstractButton *>(w);
        const bool radio = qobject_cast<QRadioButton *>(w), check = qobject_cast<QCheckBox *>(w); // a mark, a space, the text
        const int mark = radio ? w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) + w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing)
                         : check ? w->style()->pixelMetric(QStyle::PM_IndicatorWidth) + w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                                 : 8;
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->wordWrap()) { // a framed label indents its text by half an x
            const int indent = label->indent() >= 0 ? label->indent() : label->frameWidth() > 0 ? Width(label, "x") / 2 : 0;
            add(label, {}, label->text(), Width(label, label->text()) + indent, label->contentsRect().width() - 2 * label->margin());
        } else if (button || qobject_cast<QGroupBox *>(w)) {
            const QString text = button ? button->text() : static_cast<QGroupBox *>(w)->title();
            add(w, {}, text, Width(w, text) + mark, w->width());
        } else if (auto *tabs = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs, QString("#%1").arg(i), tabs->tabText(i), tabs->tabBar()->sizeHint().width(), tabs->width());
        else if (auto *list = qobject_cast<QTreeWidget *>(w)) { // the columns of a width of their own
            for (int c = 0; c < list->columnCount(); ++c)
                if (list->header()->sectionResizeMode(c) == QHeaderView::Interactive)
                    add(list, QString("#%1").arg(c), list->headerItem()->text(c), Width(list, list->headerItem()->text(c)) + 8,
                        list->header()->sectionSize(c));
            int across = 0; // and the headings of those as wide as they need, beside the first's
            for (int c = 1; c < list->columnCount(); ++c)
                if (list->header()->sectionResizeMode(c) == QHeaderView::ResizeToContents)
                    across += list->header()->sectionSizeHint(c);
            if (across)
                add(list, "/columns", list->headerItem()->text(1), across + Width(list, list->headerItem()->text(0)) + 8, list->viewport()->width());
        } else if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->objectName().startsWith(u"cbo"))
            for (int i = 0; i < combo->count(); ++i)
                add(combo, QString("#%1").arg(i), combo->itemText(i), Width(combo, combo->itemText(i)) + 24, combo->width());
    }
    if (auto *board = qobject_cast<QMainWindow *>(window)) { // its menus and tool bar: the bar must not overflow
        add(board, "/menu", "menu bar", board->menuBar()->sizeHint().width(), board->width());
        for (const QAction *action : board->findChildren<QAction *>())
            for (const QString &text : {action->text(), action->toolTip()})
                add(board, u'/' + action->objectName(), text, 0, 0);
    }
}

// The board and its dialogs, in the language in place, and what they show.
std::vector<Text> Texts()
{
    ScriptedRandom random;
    frmMain board(&random);
    frmOptions options(board, 0);
    frmScores scores(&board);
    frmAbout about(&board);
    std::vector<Text> texts;
    for (QWidget *window : std::initializer_list<QWidget *>{&scores, &about})
        Walk(window, texts);
    auto *pages = options.findChild<QTabWidget *>("tabOptions"); // each page of Options in turn
    for (int i = 0; i < pages->count(); pages->setCurrentIndex(++i))
        Walk(&options, texts);
    for (const char *state : {"Throw 1", "Throw 3", "Continue", "Game Over", "Throw 0"}) {
        PlayTo(board.game(), QString::fromLatin1(state));
        Walk(&board, texts);
    }
    board.mnuViewScoreCard_Click();
    board.mnuGameStatistics_Click();
    board.mnuGameReview_Click();
    board.mnuGameOnline_Click();
    for (const char *name : {"frmScoreCard", "frmStatistics", "frmReview", "frmOnline"})
        Walk(Find(&board, name), texts);
    return texts;
}

// Where each placed control of the board and its dialogs stands, shown, in the language in
// place: by "window/control", its place and its parent's width.
std::map<QString, std::pair<QRect, int>> Places()
{
    ClearStore(); // no game kept from before, the players' names in this language
    basRegistry::LoadSettings();
    ScriptedRandom random;
    frmMain board(&random);
    frmOptions options(board, 0);
    frmScores scores(&board);
    frmAbout about(&board);
    std::map<QString, std::pair<QRect, int>> places;
    const auto note = [&](QWidget *window) {
        window->show();
        for (const QWidget *w : window->findChildren<QWidget *>())
            if (w->property("Twips").isValid() && w->isVisibleTo(window))
                places[window->objectName() + u'/' + w->objectName()] = {w->geometry(), w->parentWidget()->width()};
    };
    for (QWidget *window : std::initializer_list<QWidget *>{&board, &scores, &about})
        note(window);
    auto *pages = options.findChild<QTabWidget *>("tabOptions");
    for (int i = 0; i < pages->count(); pages->setCurrentIndex(++i))
        note(&options);
    return places;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseScratchSettings(); }
    void cleanupTestCase() { Languages::Install({"en"}); }

    void everyLanguageFits_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : QStringList{"en"} + Languages::Spoken())
            QTest::newRow(qPrintable(language)) << language;
    }
    // Each text fits its control, as designed and at twice the size, and every letter is
    // drawn by a family the windows' font asks for by name: none is left to the system's
    // guess, or shown as a box.
    void everyLanguageFits()
    {
        QFETCH(QString, language);
        QCOMPARE(Languages::Install({language}), language == u"en" ? QString() : language);
        ClearStore(); // no names kept from another language
        basRegistry::LoadSettings();
        std::vector<QRawFont> families; // each family alone, without the system's fallbacks
        for (const QString &family : QApplication::font().families())
            families.push_back(QRawFont::fromFont(QFont(family)));
        QStringList faults;
        for (int zoom : {kLeastZoom, 200}) { // as designed, and at twice its size
            UseZoom(zoom);
            for (const Text &t : Texts()) {
                if (t.needs > t.has)
                    faults << QString("%1 \"%2\" at %5 %: needs %3 pixels, has %4").arg(t.where, t.text).arg(t.needs).arg(t.has).arg(zoom);
                for (const char32_t letter : t.text.toUcs4())
                    if (QChar::isPrint(letter) && !QChar::isSpace(letter) &&
                        std::none_of(families.begin(), families.end(), [&](const QRawFont &f) { return f.supportsCharacter(letter); }))
                        faults << QString("%1 \"%2\": no family has %3").arg(t.where, t.text, QString::fromUcs4(&letter, 1));
            }
        }
        UseZoom(kLeastZoom);
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // Every text a player reads goes through the translations: under a translator that
    // marks all it translates, only names, numbers and "Quoxa" are left unmarked. (That each
    // language translates every text, translations_complete checks.)
    void everyTextIsTranslated()
    {
        struct Marking : QTranslator {
            bool isEmpty() const override { return false; }
            QString translate(const char *, const char *source, const char *, int) const override
            {
                return *source ? "«" + QString::fromUtf8(source) + "»" : QString();
            }
        } marking;
        Languages::Install({"en"});
        QCoreApplication::installTranslator(&marking);
        const std::vector<Text> texts = Texts();
        QCoreApplication::removeTranslator(&marking);
        const QRegularExpression same(R"(^(Quoxa!?|[\d.,:%+−= -]*|\?|Quoxa 2.0|https?://.*|.*@.*)$)");
        QStringList faults;
        for (const Text &t : texts)
            if (!t.text.contains(u'«') && !same.match(t.text).hasMatch())
                faults << t.where + ": " + t.text;
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // The throw button's word stays inside the button in every language: the columns at
    // the face's edges, which only the word could reach, keep the face's ground.
    void buttonWordsStayInside()
    {
        for (const QString &language : QStringList{"en"} + Languages::Spoken()) {
            Languages::Install({language});
            for (const QString face : {"CONTINUE", "NEWGAME"}) {
                const QImage image = LoadButtonPicture(face).pixmap(QSize(76, 76)).toImage();
                for (int y = 0; y < image.height(); ++y)
                    for (int x : {0, 1, 2, image.width() - 3, image.width() - 2, image.width() - 1})
                        QVERIFY2(image.pixel(x, y) == image.pixel(0, 0), qPrintable(language + " " + face));
            }
        }
    }

    // Arabic and Hebrew read from the right: every placed control of the board and its
    // dialogs stands where the English one stands, mirrored in its parent (die 1 rightmost,
    // the score sheet on the left), the menus too; the keys keep their dice.
    void rightToLeftMirrorsTheBoard()
    {
        Languages::Install({"en"});
        const auto english = Places();
        QStringList rightToLeft;
        for (const QString &language : Languages::Spoken())
            if (QLocale(language).textDirection() == Qt::RightToLeft)
                rightToLeft << language;
        QCOMPARE(rightToLeft, (QStringList{"ar", "he"}));
        for (const QString &language : rightToLeft) {
            Languages::Install({language});
            const auto mirrored = Places();
            QCOMPARE(mirrored.size(), english.size());
            for (const auto &[name, place] : english) {
                const auto &[ltr, width] = place;
                QVERIFY2(mirrored.count(name), qPrintable(language + ' ' + name));
                QVERIFY2(mirrored.at(name).first == QRect(width - ltr.x() - ltr.width(), ltr.y(), ltr.width(), ltr.height()),
                         qPrintable(language + " " + name + QString(" %1,%2 %3x%4 in %5").arg(mirrored.at(name).first.x()).arg(ltr.x()).arg(ltr.width()).arg(mirrored.at(name).first.width()).arg(width)));
            }
            ScriptedRandom random;
            frmMain board(&random);
            board.show();
            QVERIFY(board.menuBar()->isRightToLeft());
            PlayTo(board.game(), u"Throw 1");
            QTest::keyClick(&board, Qt::Key_1);
            QVERIFY(board.game().Held(1) && !board.game().Held(5));
            QVERIFY(Find(&board, "shpHold(1)")->isVisible());
            QVERIFY(Find(&board, "fraDie(1)")->x() > Find(&board, "fraDie(5)")->x());
        }
    }

    // A day is written as its locale writes a date in a line, the weekday left out.
    void dayAsTheLocaleWritesIt()
    {
        const struct { const char *locale; bool fullMonth; QString text; } cases[] = {
            {"de_DE", false, "8. Dez. 2026"}, {"pt_BR", false, "8 de dez. de 2026"}, {"en_US", false, "Dec 8, 2026"},
            {"fr_FR", true, "8 décembre 2026"}, {"en_GB", true, "8 December 2026"}};
        Languages::Install({"en"});
        for (const auto &c : cases)
            QCOMPARE(Languages::DayText(QDate(2026, 12, 8), QLocale(c.locale), c.fullMonth), c.text);
        // In a line read right to left, a day of Latin letters and digits is kept whole.
        Languages::Install({"he"});
        QCOMPARE(Languages::DayText(QDate(2026, 12, 8), QLocale("en_GB")), u"\u20688 Dec 2026\u2069");
    }

    // Every language is carried; the desktop's preferences are taken in order: English first
    // keeps English, a regional variant finds its language, one the game does not speak is
    // passed over; and counts are told in each language's plural.
    void languageFollowsThePreferences()
    {
        QCOMPARE(Languages::Spoken(), (QStringList{"ar", "ca", "cs", "da", "de", "el", "es", "fi", "fr", "he", "hu", "it", "ja", "ko", "nb", "nl", "pl", "pt_BR", "ro", "ru", "sv", "tr", "uk", "zh_CN"}));
        QCOMPARE(Languages::Install({"en-GB", "de-DE"}), QString());
        QCOMPARE(Languages::Install({"sw-KE", "de-AT", "fr-FR"}), "de");
        QCOMPARE(Languages::Install({"pt-BR"}), "pt_BR");
        QCOMPARE(QCoreApplication::translate("Pictures", "Throw"), "Lançar");
        QCOMPARE(Languages::Install({"zh"}), "zh_CN"); // Chinese named alone; not another region's
        QCOMPARE(Languages::Install({"zh-TW", "pt-PT", "nl"}), "nl");
        // Counts take their language's plural, English's own too.
        for (const auto &[language, told] : {std::pair{"en", "X: 0 points|X: 1 point|X: 2 points"}, {"de", "X: 0 Punkte|X: 1 Punkt|X: 2 Punkte"},
                                             {"fr", "X\u00a0: 0 point|X\u00a0: 1 point|X\u00a0: 2 points"}}) {
            Languages::Install({language});
            QStringList counts;
            for (int n : {0, 1, 2})
                counts << QCoreApplication::translate("quoxa::frmMain", "%1: %n point(s)", nullptr, n).arg("X");
            QCOMPARE(counts.join(u'|'), QString::fromUtf8(told));
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
