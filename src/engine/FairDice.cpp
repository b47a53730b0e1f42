#include "engine/FairDice.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QtEndian>

namespace quoxa {

FairDice FairDice::Drawn(int length)
{
    std::array<quint32, kLinkBytes / 4> words{};
    QRandomGenerator::system()->fillRange(words.data(), qsizetype(words.size()));
    return FairDice(QByteArray(reinterpret_cast<const char *>(words.data()), kLinkBytes), length);
}

FairDice::FairDice(const QByteArray &first, int length)
{
    mLinks.push_back(first);
    for (int i = 0; i < length; ++i)
        mLinks.push_back(Hash(mLinks.back()));
}

QByteArray FairDice::Reveal(int k) const
{
    return k >= 1 && k <= Length() ? mLinks[std::size_t(Length() - k)] : QByteArray();
}

QByteArray FairDice::Hash(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

bool FairDice::Precedes(const QByteArray &link, const QByteArray &later, int steps)
{
    if (link.size() != kLinkBytes || steps < 1 || steps > kMaxSteps)
        return false;
    QByteArray hashed = link;
    for (int i = 0; i < steps; ++i)
        hashed = Hash(hashed);
    return hashed == later;
}

DiceSet FairDice::Faces(int k, const std::vector<QByteArray> &links)
{
    // The seed: "quoxa-throw", k as four bytes, most significant first, then every link.
    QByteArray seed("quoxa-throw");
    std::array<uchar, 4> number{};
    qToBigEndian(quint32(k), number.data());
    seed.append(reinterpret_cast<const char *>(number.data()), 4);
    for (const QByteArray &link : links)
        seed.append(link);
    seed = Hash(seed);
    // Each byte below 252 gives a face, 1 + its value modulo 6, all six equally often; the
    // bytes above are passed over, and a seed spent is followed by its hash.
    DiceSet faces{};
    std::size_t next = 0;
    for (qsizetype at = 0; next < faces.size(); ++at) {
        if (at == seed.size()) {
            seed = Hash(seed);
            at = 0;
        }
        if (const auto byte = uchar(seed[at]); byte < 252)
            faces[next++] = 1 + byte % 6;
    }
    return faces;
}

} // namespace quoxa
