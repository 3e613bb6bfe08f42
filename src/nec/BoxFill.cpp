#include "nec/BoxFill.h"

#include "common/DisplayMask.h"
#include "nec/FillCounts.h"

#include <cmath>

namespace Nec {

namespace {

// Volumes are added as whole units of 1/40000 in³: a table volume is taken to the ten-thousandth
// and a grounding conductor beyond four adds a quarter of an allowance, so every sum is exact.
constexpr qint64 perCubicInch = 40'000;
// Larger table volumes are taken as unusable; with counts up to maxFillCount every sum below
// stays in range.
constexpr double largestAllowance = 1'000; // in³
constexpr double largestBox = 1'000'000;   // in³

std::optional<qint64> units(double volume, double largest) {
    if (!std::isfinite(volume) || volume <= 0 || volume > largest)
        return std::nullopt;
    const qint64 tenThousandths = std::llround(volume * 10'000);
    if (tenThousandths < 1)
        return std::nullopt;
    return 4 * tenThousandths;
}

double cubicInches(qint64 u) {
    return double(u) / perCubicInch;
}

QString volumeText(qint64 u) {
    return formatMask(cubicInches(u), u"#0.00##") + QStringLiteral(" in³");
}

QString boxVolumeText(qint64 u) {
    return formatMask(cubicInches(u), u"#0.0#") + QStringLiteral(" in³");
}

struct Allowance {
    QString size; // "12 AWG"
    qint64 volume = 0;
};

} // namespace

Outcome<BoxFillResult> boxFill(const BoxFillInput& input, const BoxAllowanceTable& allowances,
                               const MetalBoxTable& boxes) {
    // The counts first, so a bad count is told before anything that depends on it.
    std::vector<qint64> counts(allowances.rows.size(), 0);
    for (const BoxConductorCount& c : input.conductors) {
        const auto count = fillCount(c.count, c.size.caption());
        if (const auto* refusal = std::get_if<Refusal>(&count))
            return *refusal;
        if (std::get<qint64>(count) == 0)
            continue;
        const std::optional<std::size_t> row = allowances.find(c.size);
        if (!row)
            return Refusal{QStringLiteral("%1 is not in Table 314.16(B).").arg(c.size.caption())};
        counts[*row] += std::get<qint64>(count);
        if (counts[*row] > maxFillCount)
            return Refusal{QStringLiteral("The count for %1 is too large: at most %2.")
                               .arg(c.size.caption())
                               .arg(maxFillCount)};
    }
    const auto devices = fillCount(input.devices, QStringLiteral("Devices"));
    if (const auto* refusal = std::get_if<Refusal>(&devices))
        return *refusal;
    const auto grounding =
        fillCount(input.groundingConductors, QStringLiteral("Grounding conductors"));
    if (const auto* refusal = std::get_if<Refusal>(&grounding))
        return *refusal;
    const qint64 deviceCount = std::get<qint64>(devices);
    const qint64 groundingCount = std::get<qint64>(grounding);

    // An allowance of the table, or the refusal for a size it lacks or cannot use.
    auto allowanceOf = [&](const ConductorSize& size) -> std::variant<Allowance, Refusal> {
        const std::optional<std::size_t> row = allowances.find(size);
        if (!row)
            return Refusal{QStringLiteral("%1 is not in Table 314.16(B).").arg(size.caption())};
        const std::optional<qint64> volume = units(allowances.rows[*row].volume, largestAllowance);
        if (!volume)
            return Refusal{
                QStringLiteral("Table 314.16(B) has no usable volume for %1.").arg(size.caption())};
        return Allowance{size.caption(), *volume};
    };

    BoxFillResult r;
    qint64 conductorVolume = 0;
    std::optional<std::size_t> largestRow;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (counts[i] == 0)
            continue;
        const auto allowance = allowanceOf(allowances.rows[i].size);
        if (const auto* refusal = std::get_if<Refusal>(&allowance))
            return *refusal;
        const Allowance& a = std::get<Allowance>(allowance);
        conductorVolume += counts[i] * a.volume;
        largestRow = i;
        r.steps << QStringLiteral("314.16(B)(1), Table 314.16(B): %1 × %2 at %3 = %4")
                       .arg(QString::number(counts[i]), a.size, volumeText(a.volume),
                            volumeText(counts[i] * a.volume));
    }
    r.steps << QStringLiteral("Conductors: %1").arg(volumeText(conductorVolume));

    std::optional<Allowance> largest;
    if (largestRow) {
        const auto allowance = allowanceOf(allowances.rows[*largestRow].size);
        largest = std::get<Allowance>(allowance); // usable: it was used above
    }
    const bool fittings = input.fixtureStuds || input.hickeys;
    if (!largest && input.clamps)
        return Refusal{QStringLiteral("Internal cable clamps count as one largest conductor in the "
                                      "box: enter a conductor count first.")};
    if (!largest && fittings)
        return Refusal{QStringLiteral("Support fittings count as one largest conductor in the box: "
                                      "enter a conductor count first.")};
    if (!largest && deviceCount > 0 && !input.deviceSize)
        return Refusal{QStringLiteral("Devices sized \"Largest in box\" need a conductor count: "
                                      "enter one, or choose a device conductor size.")};
    if (!largest && groundingCount > 0 && !input.groundingSize)
        return Refusal{QStringLiteral("Grounding conductors sized \"Largest in box\" need a "
                                      "conductor count: enter one, or choose a grounding "
                                      "conductor size.")};

    qint64 clampVolume = 0;
    if (input.clamps) {
        clampVolume = largest->volume;
        r.steps << QStringLiteral("314.16(B)(2) internal cable clamps: one %1 allowance = %2")
                       .arg(largest->size, volumeText(clampVolume));
    }
    qint64 fittingVolume = 0;
    const std::pair<bool, QString> kinds[] = {{input.fixtureStuds, QStringLiteral("fixture studs")},
                                              {input.hickeys, QStringLiteral("hickeys")}};
    for (const auto& [present, kind] : kinds) {
        if (!present)
            continue;
        fittingVolume += largest->volume;
        r.steps << QStringLiteral("314.16(B)(3) %1: one %2 allowance = %3")
                       .arg(kind, largest->size, volumeText(largest->volume));
    }

    qint64 deviceVolume = 0;
    if (deviceCount > 0) {
        Allowance a;
        if (input.deviceSize) {
            const auto allowance = allowanceOf(*input.deviceSize);
            if (const auto* refusal = std::get_if<Refusal>(&allowance))
                return *refusal;
            a = std::get<Allowance>(allowance);
        } else {
            a = *largest;
            a.size += QStringLiteral(", largest in box");
        }
        deviceVolume = deviceCount * 2 * a.volume;
        r.steps << QStringLiteral("314.16(B)(4) devices: %1 × 2 × %2 (%3) = %4")
                       .arg(QString::number(deviceCount), volumeText(a.volume), a.size,
                            volumeText(deviceVolume));
    }

    qint64 groundingVolume = 0;
    if (groundingCount > 0) {
        Allowance a;
        if (input.groundingSize) {
            const auto allowance = allowanceOf(*input.groundingSize);
            if (const auto* refusal = std::get_if<Refusal>(&allowance))
                return *refusal;
            a = std::get<Allowance>(allowance);
        } else {
            a = *largest;
        }
        // One allowance for up to four, a quarter of one for each beyond.
        const qint64 beyond = std::max<qint64>(groundingCount - 4, 0);
        groundingVolume = a.volume + beyond * (a.volume / 4);
        if (beyond == 0)
            r.steps << QStringLiteral(
                           "314.16(B)(5) grounding conductors: %1, one %2 allowance = %3")
                           .arg(QString::number(groundingCount), a.size, volumeText(a.volume));
        else
            r.steps << QStringLiteral("314.16(B)(5) grounding conductors: %1, %2 + %3 × ¼ × %2 "
                                      "(%4) = %5")
                           .arg(QString::number(groundingCount), volumeText(a.volume),
                                QString::number(beyond), a.size, volumeText(groundingVolume));
    }

    const qint64 required =
        conductorVolume + clampVolume + fittingVolume + deviceVolume + groundingVolume;
    r.conductors = cubicInches(conductorVolume);
    r.clamps = cubicInches(clampVolume);
    r.supportFittings = cubicInches(fittingVolume);
    r.devices = cubicInches(deviceVolume);
    r.grounding = cubicInches(groundingVolume);
    r.required = cubicInches(required);
    r.steps << QStringLiteral("Required volume: %1").arg(volumeText(required));

    if (!input.boxType.isEmpty() && !boxes.types().contains(input.boxType))
        return Refusal{
            QStringLiteral("The box type \"%1\" is not in Table 314.16(A).").arg(input.boxType)};
    std::optional<qint64> smallestVolume;
    for (std::size_t i = 0; i < boxes.boxes.size(); ++i) {
        const MetalBox& box = boxes.boxes[i];
        const std::optional<qint64> volume = units(box.volume, largestBox);
        if (!volume || *volume < required ||
            (!input.boxType.isEmpty() && box.type != input.boxType))
            continue;
        if (!smallestVolume || *volume < *smallestVolume) {
            smallestVolume = volume;
            r.smallestBox = i;
        }
    }
    if (r.smallestBox) {
        r.smallestBoxCaption = boxes.boxes[*r.smallestBox].caption();
        r.steps << QStringLiteral("Smallest standard metal box, Table 314.16(A): %1, %2")
                       .arg(r.smallestBoxCaption, boxVolumeText(*smallestVolume));
    } else {
        r.noBoxMessage =
            (input.boxType.isEmpty()
                 ? QStringLiteral("No standard metal box is large enough")
                 : QStringLiteral("No standard metal box of the type \"%1\" is large enough")
                       .arg(input.boxType)) +
            QStringLiteral(": the required volume is %1.").arg(volumeText(required));
        r.steps << r.noBoxMessage;
    }

    if (input.chosenBox) {
        if (*input.chosenBox >= boxes.boxes.size())
            return Refusal{QStringLiteral("The chosen box is not in Table 314.16(A).")};
        const MetalBox& box = boxes.boxes[*input.chosenBox];
        const std::optional<qint64> volume = units(box.volume, largestBox);
        if (!volume)
            return Refusal{QStringLiteral("Table 314.16(A) has no usable volume for the %1 box.")
                               .arg(box.caption())};
        const bool enough = *volume >= required;
        r.chosenBoxVolume = cubicInches(*volume);
        r.chosenBoxLargeEnough = enough ? QStringLiteral("Yes") : QStringLiteral("No");
        r.steps << QStringLiteral("Chosen box %1, Table 314.16(A): %2 %3 %4: %5")
                       .arg(box.caption(), boxVolumeText(*volume),
                            enough ? QStringLiteral("≥") : QStringLiteral("<"),
                            volumeText(required), r.chosenBoxLargeEnough);
    }
    return r;
}

} // namespace Nec
