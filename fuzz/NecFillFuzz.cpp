#include "CodeTableCsvFill.h"
#include "FuzzInput.h"
#include "nec/BoxFill.h"
#include "nec/RacewayFill.h"

#include <cmath>

// Raceway fill and box fill fed arbitrary counts, choices and now and then a spoiled table value:
// no crash, no sanitizer report, finite numbers, steps for every result, and the answers
// consistent with their own figures.
namespace {

// Mostly whole counts (so the deeper paths run), sometimes any double.
double count(FuzzInput& in) {
    return in.choice(4) == 0 ? in.number() : double(in.byte() % 40);
}

void raceway(FuzzInput& in) {
    static const Nec::RacewayTable shipped = CodeTableCsv::racewayAreas();
    static const Nec::ConductorAreaTable wires = CodeTableCsv::conductorAreas();
    Nec::RacewayTable table = shipped;
    Nec::ConductorAreaTable conductors = wires;
    if (in.choice(8) == 0)
        table.rows[std::size_t(in.choice(int(table.rows.size())))].totalArea = in.number();
    if (in.choice(8) == 0)
        conductors.rows[std::size_t(in.choice(int(conductors.rows.size())))].area = in.number();

    const QStringList names = table.raceways();
    const QStringList types = conductors.types();
    Nec::RacewayFillInput input;
    input.raceway =
        in.choice(16) == 0 ? QStringLiteral("LFMC") : names[in.choice(int(names.size()))];
    input.nipple = in.choice(2) == 1;
    for (Nec::ConductorGroup& group : input.groups) {
        if (in.choice(2) == 0)
            continue;
        group.type = types[in.choice(int(types.size()))];
        const auto sizes = conductors.sizes(group.type);
        group.size = sizes[std::size_t(in.choice(int(sizes.size())))];
        group.count = count(in);
    }
    const auto outcome = Nec::racewayFill(input, table, conductors);
    if (std::holds_alternative<Nec::Refusal>(outcome)) {
        FUZZ_REQUIRE(!std::get<Nec::Refusal>(outcome).message.isEmpty());
        return;
    }
    const auto& r = std::get<Nec::RacewayFillResult>(outcome);
    FUZZ_REQUIRE(!r.steps.isEmpty() && r.conductors > 0);
    FUZZ_REQUIRE(std::isfinite(r.conductorArea) && std::isfinite(r.fillPercent));
    FUZZ_REQUIRE(r.fillPercent <= r.fillLimitPercent + 1e-9 || r.noteSeven);
    bool smallestSeen = false;
    for (const Nec::TradeSizeFill& line : r.grid) {
        FUZZ_REQUIRE(!line.fillPercent || std::isfinite(*line.fillPercent));
        FUZZ_REQUIRE(!line.maxOfGroup1 || *line.maxOfGroup1 >= 0);
        if (line.tradeSize == r.smallestTradeSize && !smallestSeen) {
            FUZZ_REQUIRE(line.holds);
            smallestSeen = true;
        } else if (!smallestSeen) {
            FUZZ_REQUIRE(!line.holds);
        }
    }
    FUZZ_REQUIRE(smallestSeen);
}

void box(FuzzInput& in) {
    static const Nec::BoxAllowanceTable shippedAllowances = CodeTableCsv::boxAllowances();
    static const Nec::MetalBoxTable shippedBoxes = CodeTableCsv::metalBoxes();
    Nec::BoxAllowanceTable allowances = shippedAllowances;
    Nec::MetalBoxTable boxes = shippedBoxes;
    if (in.choice(8) == 0)
        allowances.rows[std::size_t(in.choice(int(allowances.rows.size())))].volume = in.number();
    if (in.choice(8) == 0)
        boxes.boxes[std::size_t(in.choice(int(boxes.boxes.size())))].volume = in.number();

    auto size = [&]() -> std::optional<Nec::ConductorSize> {
        const int pick = in.choice(int(allowances.rows.size()) + 2);
        if (pick == 0)
            return std::nullopt; // "Largest in box"
        if (pick == 1)
            return Nec::ConductorSize{QStringLiteral("4"), QStringLiteral("AWG")};
        return allowances.rows[std::size_t(pick - 2)].size;
    };
    Nec::BoxFillInput input;
    for (const Nec::BoxAllowance& row : allowances.rows)
        if (in.choice(2) == 1)
            input.conductors.push_back({row.size, count(in)});
    input.clamps = in.choice(2) == 1;
    input.fixtureStuds = in.choice(2) == 1;
    input.hickeys = in.choice(2) == 1;
    input.devices = count(in);
    input.deviceSize = size();
    input.groundingConductors = count(in);
    input.groundingSize = size();
    const QStringList types = boxes.types();
    const int type = in.choice(int(types.size()) + 1);
    input.boxType = type == 0 ? QString() : types[type - 1];
    const int chosen = in.choice(int(boxes.boxes.size()) + 2);
    if (chosen > 0)
        input.chosenBox = std::size_t(chosen - 1); // one past the end now and then
    const auto outcome = Nec::boxFill(input, allowances, boxes);
    if (std::holds_alternative<Nec::Refusal>(outcome)) {
        FUZZ_REQUIRE(!std::get<Nec::Refusal>(outcome).message.isEmpty());
        return;
    }
    const auto& r = std::get<Nec::BoxFillResult>(outcome);
    FUZZ_REQUIRE(!r.steps.isEmpty());
    for (double v : {r.conductors, r.clamps, r.supportFittings, r.devices, r.grounding, r.required})
        FUZZ_REQUIRE(std::isfinite(v) && v >= 0);
    FUZZ_REQUIRE(r.smallestBox.has_value() == r.noBoxMessage.isEmpty());
    if (r.smallestBox)
        FUZZ_REQUIRE(boxes.boxes[*r.smallestBox].volume >= r.required - 1e-4);
    if (r.chosenBoxVolume)
        FUZZ_REQUIRE((r.chosenBoxLargeEnough == QLatin1String("Yes")) ==
                     (*r.chosenBoxVolume >= r.required));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    if (in.choice(2) == 0)
        raceway(in);
    else
        box(in);
    return 0;
}
