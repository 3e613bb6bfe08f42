#include "CodeTableCsvAmpacity.h"
#include "FuzzInput.h"

#include <cmath>

// The conductor ampacity and voltage-drop compute layers fed any choice and any double: no
// crash, no sanitizer report; an answer has only finite numbers, a maximum device that is a
// standard rating (or a 240.4(D) limit), an allowable ampacity within both of its limits, and
// steps; a refusal says why.
namespace {

struct Tables {
    Nec::ConductorAmpacityTables ampacity = CodeTableCsv::conductorAmpacityTables();
    Nec::VoltageDropTables drop = CodeTableCsv::voltageDropTables();
};

const Tables& tables() {
    static const Tables t;
    return t;
}

// A size from the table's rows (18 AWG and 2000 kcmil included), or one no table has.
Nec::ConductorSize size(FuzzInput& in, const Nec::AmpacityTable& table) {
    const int pick = in.choice(static_cast<int>(table.rows.size()) + 1);
    if (pick < static_cast<int>(table.rows.size()))
        return table.rows[static_cast<std::size_t>(pick)].size;
    return {QStringLiteral("3/0"), QStringLiteral("kcmil")};
}

bool stepsSound(const QStringList& steps) {
    if (steps.isEmpty())
        return false;
    for (const QString& step : steps)
        if (step.isEmpty() || step.contains(u"inf") || step.contains(u"nan"))
            return false;
    return true;
}

void ampacity(FuzzInput& in) {
    const Tables& t = tables();
    Nec::AmpacityInput a;
    a.metal = static_cast<Nec::Metal>(in.choice(2));
    a.insulation = static_cast<Nec::TempRating>(in.choice(3));
    a.terminations = static_cast<Nec::TempRating>(in.choice(3));
    a.ambientUnit = static_cast<Nec::TemperatureUnit>(in.choice(2));
    a.find = static_cast<Nec::AmpacityFind>(in.choice(2));
    a.continuous = in.choice(2) == 1;
    a.size = size(in, t.ampacity.ampacity);
    a.ambient = in.number();
    a.conductors = in.number();
    a.load = in.number();
    const auto outcome = Nec::conductorAmpacity(a, t.ampacity);
    if (const auto* refusal = std::get_if<Nec::Refusal>(&outcome)) {
        FUZZ_REQUIRE(!refusal->message.isEmpty());
        return;
    }
    const auto& r = std::get<Nec::AmpacityResult>(outcome);
    for (double v : {r.tableAmpacity, r.ambientFactor, r.adjustmentFactor, r.correctedAmpacity,
                     r.terminationLimit, r.allowableAmpacity, r.maximumDevice})
        FUZZ_REQUIRE(std::isfinite(v));
    FUZZ_REQUIRE(r.allowableAmpacity <= r.correctedAmpacity);
    FUZZ_REQUIRE(r.allowableAmpacity <= r.terminationLimit);
    // 240.4(D) limits 18 AWG to 7 A, which no standard rating is.
    FUZZ_REQUIRE(t.ampacity.standardRatings.isRating(r.maximumDevice) ||
                 r.maximumDevice == t.ampacity.smallLimits.limit(r.size, a.metal));
    FUZZ_REQUIRE(!r.governedBy.isEmpty());
    FUZZ_REQUIRE(stepsSound(r.steps));
}

void voltageDrop(FuzzInput& in) {
    const Tables& t = tables();
    Nec::VoltageDropInput v;
    v.system = static_cast<Nec::SupplySystem>(in.choice(3));
    v.metal = static_cast<Nec::Metal>(in.choice(2));
    v.raceway = static_cast<Nec::Raceway>(in.choice(3));
    v.find = static_cast<Nec::DropFind>(in.choice(3));
    v.lengthUnit = static_cast<Nec::LengthUnit>(in.choice(2));
    v.size = size(in, t.drop.ampacity);
    // The table power factor and whole set counts are worth reaching often.
    v.powerFactorPercent = in.choice(2) == 0 ? 85 : in.number();
    v.sets = in.choice(2) == 0 ? 1 + in.choice(4) : in.number();
    v.volts = in.number();
    v.amperes = in.number();
    v.length = in.number();
    v.maxDropPercent = in.number();
    const auto outcome = Nec::voltageDrop(v, t.drop);
    if (const auto* refusal = std::get_if<Nec::Refusal>(&outcome)) {
        FUZZ_REQUIRE(!refusal->message.isEmpty());
        return;
    }
    const auto& r = std::get<Nec::VoltageDropResult>(outcome);
    for (double x : {r.dropVolts, r.dropPercent, r.loadVolts, r.impedance, r.length})
        FUZZ_REQUIRE(std::isfinite(x));
    FUZZ_REQUIRE(r.impedance > 0);
    FUZZ_REQUIRE(!r.maximumLength || std::isfinite(*r.maximumLength));
    FUZZ_REQUIRE(!r.ampacity75 || std::isfinite(*r.ampacity75));
    FUZZ_REQUIRE(v.sets == 1 || Nec::parallelAllowed(r.size));
    FUZZ_REQUIRE(stepsSound(r.steps));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    if (in.choice(2) == 0)
        ampacity(in);
    else
        voltageDrop(in);
    return 0;
}
