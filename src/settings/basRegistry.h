#pragma once
// Loading the settings at start-up and saving them on closing. Every setting is declared
// once, in one table: its key, the default for a missing key, and the fallback for a
// stored text that fails its check.
#include <QString>

namespace quoxa::basRegistry {

inline const QString kSection = QStringLiteral("Game Settings");

void LoadSettings();
void SaveSettings();

// The default of a setting by its key ("Die Color", "Player 3", ...), as stored text.
QString DefaultOf(QStringView key);

// A player's name where none is given, in the player's language: "Player 3".
QString DefaultName(int player);

// A signed decimal number, with optional fraction and exponent, blanks around it allowed.
bool IsNumeric(const QString &text);

} // namespace quoxa::basRegistry
