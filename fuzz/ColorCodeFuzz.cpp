#include <QStringList>

#include "FuzzInput.h"
#include "electrical/ColorCode.h"

// Four band texts, either as the option lists give them or as arbitrary text: the value text
// always names ohms and ends with the tolerance text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ColorCode;
    FuzzInput in(data, size);
    QString bands[4];
    if (in.byte() % 2 == 0) {
        const auto text = [](const char* t) { return t ? QString::fromLatin1(t) : QString(); };
        bands[0] = text(Colours[in.choice(DigitCount)].digitA);
        bands[1] = text(Colours[in.choice(DigitCount)].digitB);
        bands[2] = text(Colours[in.choice(MultiplierCount)].multiplier);
        bands[3] = text(Colours[in.choice(ToleranceCount)].tolerance);
    } else {
        const QStringList parts = in.text().split(u'|');
        for (int i = 0; i < 4 && i < parts.size(); ++i)
            bands[i] = parts[i];
    }
    const QString value = CalculateOhms(bands[0], bands[1], bands[2], bands[3]);
    FUZZ_REQUIRE(value.contains(QStringLiteral(" ohms")));
    FUZZ_REQUIRE(value.endsWith(bands[3]));
    return 0;
}
