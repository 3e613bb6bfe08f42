#include "CodeTableCsv.h"
#include "CodeTableCsvMotor.h"
#include "FuzzInput.h"
#include "nec/MotorBranchCircuit.h"
#include "nec/TransformerProtection.h"

#include <cmath>

// The motor branch circuit and transformer protection fed arbitrary numbers, choices (one past
// the last of each, too) and captions, over the shipped tables or empty ones: no crash or
// sanitizer report, every number of a result finite, every result with its steps, every refusal
// with its message.
namespace {

bool finite(const std::optional<double>& value) {
    return !value || std::isfinite(*value);
}

template <class Enum> Enum pick(FuzzInput& in, int count) {
    return static_cast<Enum>(in.choice(count + 1));
}

void motor(FuzzInput& in, bool shipped) {
    static const Nec::MotorTables tables = CodeTableCsv::motorTables();
    static const Nec::MotorTables empty;
    Nec::MotorInput input;
    input.supply = pick<Nec::MotorSupply>(in, 3);
    input.type = pick<Nec::MotorType>(in, 6);
    input.device = pick<Nec::MotorDevice>(in, 4);
    input.metal = pick<Nec::Metal>(in, 2);
    const uint8_t flags = in.byte();
    if (flags & 1)
        input.fullLoadCurrent = in.number();
    if (flags & 2)
        input.nameplateCurrent = in.number();
    input.typical = flags & 4;
    input.serviceFactorOrTemperatureRise = flags & 8;
    const QString text = in.text();
    input.horsepower = text.left(text.size() / 2);
    input.voltage = text.mid(text.size() / 2);

    const auto outcome = Nec::motorBranchCircuit(input, shipped ? tables : empty);
    if (const auto* refusal = std::get_if<Nec::Refusal>(&outcome)) {
        FUZZ_REQUIRE(!refusal->message.isEmpty());
        return;
    }
    const auto& r = std::get<Nec::MotorResult>(outcome);
    FUZZ_REQUIRE(!r.steps.isEmpty());
    for (double value : {r.fullLoadCurrent, r.conductorAmpacity, r.devicePercent, r.deviceMaximum,
                         r.groundingBasis})
        FUZZ_REQUIRE(std::isfinite(value));
    FUZZ_REQUIRE(finite(r.deviceRating) && finite(r.overload));
    FUZZ_REQUIRE(r.overload.has_value() == input.nameplateCurrent.has_value());
    FUZZ_REQUIRE(r.deviceRating.has_value() ==
                 (input.device != Nec::MotorDevice::InstantaneousTripBreaker));
    // 125 % of the current, give or take the millionth the comparisons round to.
    FUZZ_REQUIRE(r.conductorAmpacity >= r.fullLoadCurrent - 1e-6);
}

void transformer(FuzzInput& in, bool shipped) {
    static const Nec::TransformerOcpdTable table = CodeTableCsv::transformerOcpd();
    static const Nec::StandardRatings ratings = CodeTableCsv::standardRatings();
    Nec::TransformerInput input;
    input.phases = pick<Nec::TransformerPhases>(in, 2);
    input.method = pick<Nec::TransformerProtectionMethod>(in, 2);
    input.device = pick<Nec::TransformerDevice>(in, 2);
    input.kva = in.number();
    input.primaryVolts = in.number();
    input.secondaryVolts = in.number();

    const auto outcome = shipped ? Nec::transformerProtection(input, table, ratings)
                                 : Nec::transformerProtection(input, {}, {});
    if (const auto* refusal = std::get_if<Nec::Refusal>(&outcome)) {
        FUZZ_REQUIRE(!refusal->message.isEmpty());
        return;
    }
    const auto& r = std::get<Nec::TransformerResult>(outcome);
    FUZZ_REQUIRE(!r.steps.isEmpty());
    for (double value : {r.primaryCurrent, r.secondaryCurrent, r.primaryMaximum})
        FUZZ_REQUIRE(std::isfinite(value));
    FUZZ_REQUIRE(finite(r.primaryRating) && finite(r.secondaryMaximum) &&
                 finite(r.secondaryRating));
    FUZZ_REQUIRE(r.secondaryRequired || (!r.secondaryMaximum && !r.secondaryRating));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const uint8_t head = in.byte();
    const bool shipped = head % 8 != 0;
    if (head & 8)
        transformer(in, shipped);
    else
        motor(in, shipped);
    return 0;
}
