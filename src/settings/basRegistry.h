#pragma once
// Loading the settings at start-up and saving them on closing.
#include <QString>

namespace quoxa::basRegistry {

inline const QString kSection = QStringLiteral("Game Settings");

void LoadSettings();
void SaveSettings();

// A signed decimal number, with optional fraction and exponent, blanks around it allowed.
bool IsNumeric(const QString &text);

} // namespace quoxa::basRegistry
