#pragma once
// The game's integers are 16-bit and checked: a result outside -32768..32767 is the
// run-time error 6, "Overflow", never a silent wrap.
#include <QString>
#include <compare>
#include <cstdint>

namespace quoxa {

class Int16 {
public:
    constexpr Int16() = default;
    // Checked: a value outside the 16-bit range raises Overflow.
    Int16(long long value);

    constexpr int value() const { return mValue; }

    friend Int16 operator+(Int16 a, Int16 b) { return Int16(static_cast<long long>(a.mValue) + b.mValue); }
    friend Int16 operator-(Int16 a, Int16 b) { return Int16(static_cast<long long>(a.mValue) - b.mValue); }
    friend Int16 operator*(Int16 a, Int16 b) { return Int16(static_cast<long long>(a.mValue) * b.mValue); }
    Int16 &operator+=(Int16 b) { return *this = *this + b; }
    Int16 &operator-=(Int16 b) { return *this = *this - b; }

    friend constexpr bool operator==(Int16 a, Int16 b) = default;
    friend constexpr auto operator<=>(Int16 a, Int16 b) = default;

    // Reads a whole number in decimal (surrounding blanks allowed); anything else is a
    // type mismatch, a number out of range an overflow.
    static Int16 Parse(const QString &text);
    QString toString() const { return QString::number(mValue); }

private:
    std::int16_t mValue = 0;
};

} // namespace quoxa
