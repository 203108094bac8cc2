// Drives a libFuzzer-style target without libFuzzer: a fixed number of
// pseudo-random inputs (seeded, so a failure repeats), mixing raw bytes with
// mutations of printable text, which is what the readers mostly see.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    const long runs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
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
