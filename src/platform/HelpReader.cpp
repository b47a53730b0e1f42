// The help file reader: a small program of its own, so that a damaged help file can only
// take this process down, never the game. It opens the compiled help file named on its
// command line and writes every stored file in it to its standard output, each as
//   <path> NUL <length in decimal> LF <length bytes>
// and ends with 0; any file it cannot open or read ends it with 1.
//   quoxa-help-reader <help file>
#include <chm_lib.h>
#include <cstdio>
#include <vector>

namespace {

// Far beyond any help file of ours; a file claiming more is not read.
constexpr LONGINT64 kMaxObject = 16 << 20;
constexpr LONGINT64 kMaxTotal = 64 << 20;

struct Copy {
    LONGINT64 total = 0;
    bool failed = false;
};

int WriteObject(chmFile *file, chmUnitInfo *unit, void *context)
{
    auto &copy = *static_cast<Copy *>(context);
    const auto length = static_cast<LONGINT64>(unit->length);
    copy.total += length;
    if (length > kMaxObject || copy.total > kMaxTotal) {
        copy.failed = true;
        return CHM_ENUMERATOR_FAILURE;
    }
    std::vector<unsigned char> data(static_cast<std::size_t>(length));
    if (length > 0 && chm_retrieve_object(file, unit, data.data(), 0, length) != length) {
        copy.failed = true;
        return CHM_ENUMERATOR_FAILURE;
    }
    std::printf("%s%c%lld\n", unit->path, '\0', static_cast<long long>(length));
    if (length > 0) // an empty file has no bytes to write, nor any place for them
        std::fwrite(data.data(), 1, data.size(), stdout);
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 1;
    chmFile *file = chm_open(argv[1]);
    if (!file)
        return 1;
    Copy copy;
    const int enumerated =
        chm_enumerate(file, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_SPECIAL | CHM_ENUMERATE_FILES, WriteObject, &copy);
    chm_close(file);
    return enumerated && !copy.failed && std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
