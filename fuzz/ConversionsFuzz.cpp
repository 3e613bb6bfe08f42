#include "FuzzInput.h"
#include "common/Conversions.h"

// Arbitrary text: the strict conversion gives a finite number or nothing; the leading-number
// value is never NaN and never negative (it reads digits and a point only).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const QString text = in.text();
    if (const auto strict = toNumberStrict(text))
        FUZZ_REQUIRE(std::isfinite(*strict));
    const double leading = leadingNumber(text);
    FUZZ_REQUIRE(!std::isnan(leading) && leading >= 0);
    return 0;
}
