#include "engine/SeededDice.h"

#include <QCoreApplication>
#include <string>

namespace quoxa {
namespace {

// Crockford's alphabet: no I, L, O or U, so no two of its characters look alike.
constexpr char kAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kCodeLength = 8;

// SplitMix64: the state steps by the golden gamma, and each output is the state mixed.
std::uint64_t SplitMix(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// The check character's value: the top five bits of SplitMix64's first output from the code.
int CheckOf(std::uint64_t code)
{
    return int(SplitMix(code) >> 59);
}

// A code as typed, read: its value, how many characters of the alphabet it has, and the
// first character outside it.
struct TypedCode {
    std::uint64_t value = 0;
    int length = 0;
    std::optional<QChar> stranger;
};

TypedCode ReadCode(QStringView typed)
{
    TypedCode code;
    for (QChar c : typed) {
        if (c == u' ' || c == u'-')
            continue;
        char ch = char(c.toUpper().toLatin1());
        ch = ch == 'O' ? '0' : ch == 'I' || ch == 'L' ? '1' : ch;
        const char *at = ch ? std::char_traits<char>::find(kAlphabet, 32, ch) : nullptr;
        if (!at) {
            code.stranger = code.stranger.value_or(c);
            continue;
        }
        code.length += 1;
        code.value = code.value << 5 | std::uint64_t(at - kAlphabet);
    }
    return code;
}

} // namespace

DiceOrigin DiceOrigin::Daily(QDate date)
{
    // FNV-1a over the date's text "2026-12-07"; SplitMix64's first output from that, its top bits.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (char c : date.toString(Qt::ISODate).toLatin1()) {
        hash ^= std::uint8_t(c);
        hash *= 0x100000001b3ULL;
    }
    return {SplitMix(hash) >> (64 - kCodeBits), date};
}

QString DiceOrigin::CodeText() const
{
    QString text;
    for (int i = kCodeLength - 2; i >= 0; --i)
        text += QLatin1Char(kAlphabet[(code >> (5 * i)) & 31]);
    text += QLatin1Char(kAlphabet[CheckOf(code)]);
    return text.insert(4, u'-');
}

QString DiceOrigin::Text() const
{
    return daily() ? QStringLiteral("daily ") + day.toString(Qt::ISODate) : QStringLiteral("code ") + CodeText();
}

std::optional<DiceOrigin> DiceOrigin::FromText(QStringView text)
{
    if (text.startsWith(u"code "))
        return FromCode(text.mid(5));
    const QDate date = QDate::fromString(text.mid(6).toString(), Qt::ISODate);
    if (!text.startsWith(u"daily ") || !date.isValid() || date.toString(Qt::ISODate) != text.mid(6))
        return std::nullopt;
    return Daily(date);
}

std::optional<DiceOrigin> DiceOrigin::FromCode(QStringView typed)
{
    const TypedCode code = ReadCode(typed);
    if (code.stranger || code.length != kCodeLength || CheckOf(code.value >> 5) != int(code.value & 31))
        return std::nullopt;
    return Coded(code.value >> 5);
}

QString DiceOrigin::CodeFault(QStringView typed)
{
    const TypedCode code = ReadCode(typed);
    if (code.stranger)
        return QCoreApplication::translate("DiceOrigin", "\"%1\" is none of a dice code's letters and digits.").arg(*code.stranger);
    if (code.length == 0)
        return QCoreApplication::translate("DiceOrigin", "Type the dice code of the game to play.");
    if (code.length != kCodeLength)
        return QCoreApplication::translate("DiceOrigin", "A dice code has eight letters and digits; this one has %n.", nullptr, code.length);
    if (CheckOf(code.value >> 5) != int(code.value & 31))
        return QCoreApplication::translate("DiceOrigin", "Its last letter or digit does not go with the others: one of them is typed wrong.");
    return {};
}

SeededFaces DiceOrigin::Faces() const
{
    // One SplitMix64 stream from the code; each face is 1 + the output modulo 6, an output of
    // 2^64 - 4 or more drawn again, so that every face is exactly as likely.
    constexpr std::uint64_t kLimit = 0xffff'ffff'ffff'fffcULL;
    std::uint64_t state = code;
    SeededFaces faces{};
    for (std::int8_t &face : faces) {
        std::uint64_t x = SplitMix(state);
        while (x >= kLimit)
            x = SplitMix(state);
        face = std::int8_t(1 + x % 6);
    }
    return faces;
}

HeldSet KeptDice(const Faces &keep, const DiceSet &dice, const HeldSet &held)
{
    HeldSet kept{};
    Faces left = keep;
    for (bool first : {true, false})
        for (std::size_t i = 0; i < dice.size(); ++i)
            if (held[i] == first && left[std::size_t(dice[i])] > 0) {
                left[std::size_t(dice[i])] -= 1;
                kept[i] = true;
            }
    return kept;
}

int BestPlayTotal(const Strategy &strategy, const SeededFaces &faces)
{
    PlayerSheet sheet;
    const auto &boxes = SheetCategories();
    for (int round = 1; round <= 13; ++round) {
        DiceSet dice{};
        HeldSet held{};
        for (int throwNumber = 1;; ++throwNumber) {
            quoxa::Faces counts{};
            for (int die = 1; die <= 5; ++die) {
                int &face = dice[std::size_t(die - 1)];
                face = held[std::size_t(die - 1)] ? face : DiceOrigin::Face(faces, round, throwNumber, die);
                counts[std::size_t(face)] += 1;
            }
            const Strategy::Choice best = strategy.Best(Position::Of(sheet), counts, throwNumber);
            if (best.category >= 0) {
                ScoreDice(sheet, *boxes[std::size_t(best.category)], dice, FiveAlike(dice));
                TotalSheet(sheet);
                break;
            }
            held = KeptDice(best.keep, dice, held);
        }
    }
    return sheet.intGameTotal.value();
}

} // namespace quoxa
