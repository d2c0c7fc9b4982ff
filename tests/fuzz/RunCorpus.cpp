// Without libFuzzer: each file named runs once through the fuzz target, so
// that the corpus is a regression test in every build, the sanitizer
// build's included.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        const std::string data((std::istreambuf_iterator<char>(in)), {});
        // A buffer of exactly the input's size, as libFuzzer gives it: a
        // read one past its end is caught, not met by a string's NUL.
        const std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[data.size()]);
        std::copy(data.begin(), data.end(), exact.get());
        LLVMFuzzerTestOneInput(exact.get(), data.size());
    }
    std::printf("%d inputs read\n", argc - 1);
    return 0;
}
