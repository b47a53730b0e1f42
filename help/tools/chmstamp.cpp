// Makes a compiled help file the same from one build to the next: chmcmd writes the time of
// day it ran (in milliseconds since midnight) into the file's header and into its #SYSTEM
// entry 10. Given SOURCE_DATE_EPOCH, both are set to that moment's time of day; without it the
// file is left as it is.
//
//   chmstamp FILE.chm
#include <chm_lib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace {

constexpr std::streamoff kHeaderStamp = 0x10;   // big-endian, in the file's first header
constexpr std::streamoff kSectionStart = 0x58;  // where the uncompressed section begins
constexpr std::uint16_t kStampEntry = 10;       // the #SYSTEM entry that holds the stamp again

int Fail(const char *file, const char *why)
{
    std::fprintf(stderr, "chmstamp: %s: %s\n", file, why);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2)
        return Fail("chmstamp", "usage: chmstamp FILE.chm");
    const char *file = argv[1];
    const char *epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (!epoch || !*epoch)
        return 0;
    const std::uint32_t stamp = std::uint32_t(std::strtoull(epoch, nullptr, 10) % 86400 * 1000);

    // Where #SYSTEM lies: chmlib finds it within the uncompressed section.
    chmFile *chm = chm_open(file);
    if (!chm)
        return Fail(file, "not a compiled help file");
    chmUnitInfo system{};
    const bool found = chm_resolve_object(chm, "/#SYSTEM", &system) == CHM_RESOLVE_SUCCESS && system.space == CHM_UNCOMPRESSED;
    std::vector<unsigned char> entries(found ? system.length : 0);
    const bool read = found && chm_retrieve_object(chm, &system, entries.data(), 0, LONGINT64(entries.size())) == LONGINT64(entries.size());
    chm_close(chm);
    if (!read)
        return Fail(file, "no #SYSTEM entries");

    std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
    unsigned char start[8] = {};
    out.seekg(kSectionStart);
    out.read(reinterpret_cast<char *>(start), sizeof start);
    std::uint64_t section = 0;
    for (int i = 7; i >= 0; --i)
        section = section << 8 | start[i];
    const unsigned char header[4] = {std::uint8_t(stamp >> 24), std::uint8_t(stamp >> 16), std::uint8_t(stamp >> 8), std::uint8_t(stamp)};
    out.seekp(kHeaderStamp);
    out.write(reinterpret_cast<const char *>(header), sizeof header);
    // The entries after the version: a 16-bit code, a 16-bit length, then that many bytes.
    for (std::size_t at = 4; at + 4 <= entries.size();) {
        const unsigned code = entries[at] | entries[at + 1] << 8, length = entries[at + 2] | entries[at + 3] << 8;
        if (code == kStampEntry && length >= 4 && at + 8 <= entries.size()) {
            const unsigned char little[4] = {std::uint8_t(stamp), std::uint8_t(stamp >> 8), std::uint8_t(stamp >> 16), std::uint8_t(stamp >> 24)};
            out.seekp(std::streamoff(section + system.start + at + 4));
            out.write(reinterpret_cast<const char *>(little), sizeof little);
        }
        at += 4 + length;
    }
    return out.good() ? 0 : Fail(file, "could not be written");
}
