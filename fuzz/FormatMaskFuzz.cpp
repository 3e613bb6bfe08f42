#include <QRegularExpression>

#include "FuzzInput.h"
#include "common/DisplayMask.h"

// Any value through any picture: no crash, and a non-finite value is never rendered.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const double value = in.number();
    const QString mask = in.text();
    const QString shown = formatMask(value, mask);
    if (!std::isfinite(value))
        FUZZ_REQUIRE(shown.isEmpty());
    return 0;
}
