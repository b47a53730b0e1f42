#pragma once
// Dice that come from a code: the same code gives the same dice, on any machine. Every face
// is fixed in advance by the round (1 to 13), the throw (1 to 3) and the die (1 to 5); a die
// thrown there shows that face, a held die keeps its own. The daily game plays the code of
// its date. README, "The daily game and dice codes", writes the generator down.
#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace quoxa {

// The faces of a code's dice, round by round, throw by throw, die by die.
using SeededFaces = std::array<std::int8_t, 13 * 3 * 5>;

struct DiceOrigin {
    static constexpr int kCodeBits = 35; // seven characters of five bits; the eighth checks them
    std::uint64_t code = 0;
    QDate day; // the daily game's date; invalid for a game played by code

    static DiceOrigin Daily(QDate date);
    static DiceOrigin Coded(std::uint64_t code) { return {code & ((std::uint64_t{1} << kCodeBits) - 1), {}}; }
    bool daily() const { return day.isValid(); }

    // The code as players see and type it: "K7QX-93R1".
    QString CodeText() const;
    // As the record keeps it: "daily 2026-12-07" or "code K7QX-93R1"; and back, nothing from
    // any other text (a date that does not exist, a code whose check fails).
    QString Text() const;
    static std::optional<DiceOrigin> FromText(QStringView text);
    // A code as typed: case, spaces and the hyphen do not matter, O reads as 0, I and L as 1.
    // Nothing when it is not eight characters of the alphabet whose last one checks the rest.
    static std::optional<DiceOrigin> FromCode(QStringView typed);
    // Why a text as typed is no dice code, for the player who typed it: nothing typed, a
    // character outside the code's letters and digits, too few or too many of them, or a
    // last one that does not check the rest (a typo). Empty for a code.
    static QString CodeFault(QStringView typed);

    SeededFaces Faces() const;
    // The face of `die` thrown at throw `throwNumber` of round `round`, all counted from 1.
    static int Face(const SeededFaces &faces, int round, int throwNumber, int die)
    {
        return faces[std::size_t(((round - 1) * 3 + throwNumber - 1) * 5 + die - 1)];
    }

    bool operator==(const DiceOrigin &other) const { return code == other.code && day == other.day; }
};

} // namespace quoxa
