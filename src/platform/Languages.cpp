#include "platform/Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace quoxa::Languages {
namespace {

QString &InPlace()
{
    static QString language;
    return language;
}

// The language of a preference ("pt-BR", "de_DE.UTF-8", "zh") among those spoken: the whole
// name, else the language alone, else for a language named alone the one of its regions that
// is spoken ("zh": "zh_CN"); empty when none is spoken.
QString Match(QString preference, const QStringList &spoken)
{
    preference = preference.section(u'.', 0, 0).replace(u'-', u'_');
    if (spoken.contains(preference))
        return preference;
    const QString alone = preference.section(u'_', 0, 0);
    if (spoken.contains(alone))
        return alone;
    if (alone == preference)
        for (const QString &language : spoken)
            if (language.section(u'_', 0, 0) == alone)
                return language;
    return {};
}

} // namespace

QStringList Spoken()
{
    QStringList names;
    for (const QString &file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("quoxa_*.qm")}))
        names << file.mid(6).chopped(3);
    names.removeOne(QStringLiteral("en")); // the game's own: its plurals alone
    return names;
}

QString Install(const QStringList &preferences)
{
    static std::unique_ptr<QTranslator> game, toolkit;
    // English's own plurals ("1 point", "2 points"), under every other language's texts.
    static const bool plurals = [] {
        static QTranslator english;
        return english.load(QStringLiteral(":/i18n/quoxa_en")) && QCoreApplication::installTranslator(&english);
    }();
    Q_UNUSED(plurals);
    // The language is in place before the translators tell the windows, which look it up.
    InPlace().clear();
    for (const auto &translator : {game.get(), toolkit.get()})
        if (translator)
            QCoreApplication::removeTranslator(translator);
    QStringList spoken; // looked up only when a language other than the game's own comes first
    for (const QString &preference : preferences.isEmpty() ? QLocale::system().uiLanguages() : preferences) {
        if (preference.startsWith(u"en"))
            break; // the game's own language
        if (spoken.isEmpty())
            spoken = Spoken();
        const QString language = Match(preference, spoken);
        if (language.isEmpty())
            continue;
        game = std::make_unique<QTranslator>();
        toolkit = std::make_unique<QTranslator>();
        if (!game->load(QStringLiteral(":/i18n/quoxa_") + language))
            continue;
        InPlace() = language;
        QCoreApplication::installTranslator(game.get());
        if (toolkit->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
            toolkit->load(QStringLiteral("qtbase_") + language.section(u'_', 0, 0), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(toolkit.get());
        break;
    }
    // Arabic and Hebrew are read from the right: the menus, the windows and the board with them.
    QGuiApplication::setLayoutDirection(InPlace().isEmpty() ? Qt::LeftToRight : QLocale(InPlace()).textDirection());
    return InPlace();
}

QString Current()
{
    return InPlace();
}

QString Isolated(const QString &text)
{
    // First strong isolate ... pop directional isolate: the text's direction from its first letter.
    return QGuiApplication::isRightToLeft() ? QChar(0x2068) + text + QChar(0x2069) : text;
}

QString DayText(QDate day, const QLocale &locale, bool fullMonth)
{
    // The weekday and what joins it to the date, before it or after it.
    static const QRegularExpression kWeekday(QStringLiteral("dddd[^dMy']*|[,\\s]*dddd"));
    QString format = locale.dateFormat(QLocale::LongFormat).remove(kWeekday).trimmed();
    if (!fullMonth)
        format.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    return Isolated(locale.toString(day, format));
}

} // namespace quoxa::Languages
