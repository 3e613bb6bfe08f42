#include "FuzzInput.h"
#include "common/EntryFilter.h"

// Any key code: a control code passes unchanged, otherwise only a digit or the point, else 0.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    int code = 0;
    for (int i = 0; i < 4; ++i)
        code = static_cast<int>(static_cast<unsigned>(code) << 8 | in.byte());
    const int passed = FilterKey(code);
    if (code <= 26)
        FUZZ_REQUIRE(passed == code);
    else
        FUZZ_REQUIRE(passed == 0 ||
                     (passed == code && ((code >= '0' && code <= '9') || code == '.')));
    return 0;
}
