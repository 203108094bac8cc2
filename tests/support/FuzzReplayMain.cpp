// Drives a libFuzzer-style target without libFuzzer. First every file of the
// corpus folders named after the run count, whole and cut at every length
// (so sanitizer builds exercise the committed seeds and their truncations),
// then a fixed number of pseudo-random inputs (seeded, so a failure repeats),
// mixing raw bytes with printable text, which is what the readers mostly see.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace
{

// Returns the number of files replayed, or -1 when the folder cannot be read.
long ReplayFolder(const std::filesystem::path &folder)
{
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    if (error)
        return -1;
    std::sort(files.begin(), files.end()); // a fixed order, so a failure repeats
    for (const auto &file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        std::printf("replaying %s\n", file.c_str());
        std::fflush(stdout);
        for (size_t size = 0; size <= bytes.size(); ++size) {
            // A copy of exactly the size, so reading past the cut is caught.
            const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + size);
            LLVMFuzzerTestOneInput(cut.data(), cut.size());
        }
    }
    return static_cast<long>(files.size());
}

} // namespace

int main(int argc, char **argv)
{
    const long runs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    for (int i = 2; i < argc; ++i) {
        const long files = ReplayFolder(argv[i]);
        if (files <= 0) {
            std::fprintf(stderr, "no corpus files in %s\n", argv[i]);
            return 1;
        }
        std::printf("%ld corpus files of %s replayed\n", files, argv[i]);
    }
    std::mt19937 rng(12345);
    std::vector<uint8_t> buf;
    for (long i = 0; i < runs; ++i) {
        const size_t len = rng() % (i % 100 == 0 ? 4096 : 96);
        buf.resize(len);
        const bool printable = (i % 3) != 0;
        for (auto &b : buf)
            b = printable ? static_cast<uint8_t>(32 + rng() % 95) : static_cast<uint8_t>(rng());
        LLVMFuzzerTestOneInput(buf.data(), buf.size());
    }
    std::printf("%ld inputs replayed\n", runs);
    return 0;
}
