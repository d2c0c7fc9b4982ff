// The recovery copy's reader, fed anything: it must never read outside the
// data, and what it reads must write back to a copy that reads the same.
#include "core/book/Recovery.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RecoveryCopy copy;
    if (!parseRecoveryCopy(std::string_view(reinterpret_cast<const char*>(data), size), copy))
        return 0;
    RecoveryCopy again;
    if (!parseRecoveryCopy(formatRecoveryCopy(copy), again) || again.name != copy.name ||
        again.text != copy.text || again.stamp != copy.stamp)
        std::abort();
    return 0;
}
