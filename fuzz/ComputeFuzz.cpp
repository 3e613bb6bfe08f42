#include "ComputeLayers.h"
#include "FuzzInput.h"
#include "common/DisplayMask.h"

// Every compute layer fed arbitrary doubles: no crash, no sanitizer report, and the unchecked-
// failure rule: a result is either a fault or a finite value that every mask can render.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto layers = computeLayers();
    FuzzInput in(data, size);
    const ComputeLayer& layer = layers[in.choice(static_cast<int>(layers.size()))];
    const int choice = in.choice(layer.choices);
    std::vector<double> given;
    for (int i = 0; i < layer.arity; ++i)
        given.push_back(in.number());
    std::vector<Calculated> results;
    layer.run(choice, given, results);
    static constexpr QStringView masks[] = {Mask::TwoToThreeDecimals,
                                            Mask::TwoToThreeDecimalsLeadingZero,
                                            Mask::OneToTwoDecimals, Mask::Percent};
    for (const Calculated& result : results) {
        if (!result.ok())
            continue;
        FUZZ_REQUIRE(std::isfinite(result.value));
        for (QStringView mask : masks)
            FUZZ_REQUIRE(!formatMask(result.value, mask).isEmpty());
    }
    return 0;
}
