#pragma once
// The player's language: the first of the desktop's languages (LANGUAGE, LANG, ...) that
// the game speaks, English when it comes first or none matches. The game's texts are carried
// in the program; the toolkit's own (standard buttons, the colour dialog) come from its
// installed translations when they are there. Numbers follow the locale whatever the
// language.
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace quoxa::Languages {

// The languages the game speaks besides English, by their file names: "de", "pt_BR", ...
QStringList Spoken();

// Puts the language of these preferences in place (the desktop's own when none are given),
// and its direction (right to left for Arabic and Hebrew); its name ("de", "pt_BR"), or empty
// for English.
QString Install(const QStringList &preferences = {});

// The language in place: empty for English.
QString Current();

// A text that keeps its own direction within a line of another: a date in Latin letters and
// digits in an Arabic or Hebrew line reads whole, left to right, as a date. Unchanged while
// the game reads left to right.
QString Isolated(const QString &text);

// A day as the locale writes it within a line: its long date without the weekday, the month
// shortened unless asked in full ("8 Dec 2026", "8. Dez. 2026", "8 de dez. de 2026").
QString DayText(QDate day, const QLocale &locale = QLocale(), bool fullMonth = false);

} // namespace quoxa::Languages
