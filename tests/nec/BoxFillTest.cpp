#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "CodeTableCsvFill.h"
#include "nec/BoxFill.h"

using namespace Nec;

namespace {

const BoxAllowanceTable& allowances() {
    static const BoxAllowanceTable table = CodeTableCsv::boxAllowances();
    return table;
}

const MetalBoxTable& boxes() {
    static const MetalBoxTable table = CodeTableCsv::metalBoxes();
    return table;
}

ConductorSize awg(const char* size) {
    return {QString::fromLatin1(size), QStringLiteral("AWG")};
}

std::optional<std::size_t> boxIndex(const char* caption) {
    for (std::size_t i = 0; i < boxes().boxes.size(); ++i)
        if (boxes().boxes[i].caption() == QString::fromUtf8(caption))
            return i;
    ADD_FAILURE() << "no box " << caption;
    return std::nullopt;
}

struct Box {
    std::vector<std::pair<const char*, double>> conductors;
    bool clamps = false, studs = false, hickeys = false;
    double devices = 0;
    const char* deviceSize = nullptr; // nullptr: "Largest in box"
    double grounding = 0;
    const char* groundingSize = nullptr;
    const char* type = "";        // "": "Any"
    const char* chosen = nullptr; // nullptr: "None"
};

Outcome<BoxFillResult> compute(const Box& b) {
    BoxFillInput in;
    for (const auto& [size, count] : b.conductors)
        in.conductors.push_back({awg(size), count});
    in.clamps = b.clamps;
    in.fixtureStuds = b.studs;
    in.hickeys = b.hickeys;
    in.devices = b.devices;
    if (b.deviceSize)
        in.deviceSize = awg(b.deviceSize);
    in.groundingConductors = b.grounding;
    if (b.groundingSize)
        in.groundingSize = awg(b.groundingSize);
    in.boxType = QString::fromUtf8(b.type);
    if (b.chosen)
        in.chosenBox = boxIndex(b.chosen);
    return boxFill(in, allowances(), boxes());
}

QString refusal(const Box& b) {
    const auto r = compute(b);
    return std::holds_alternative<Refusal>(r) ? std::get<Refusal>(r).message : QString();
}

TEST(BoxFill, WorkedCases) {
    struct Case {
        Box box;
        // conductors, clamps, fittings, devices, grounding, required (in³)
        std::array<double, 6> volumes;
        // The smallest box ("" when none is large enough), and the chosen box's answer.
        std::array<const char*, 2> answers;
    };
    const Case cases[] = {
        // 4 × 1½ square: four 12, two 14, clamps, one device on the 12, two grounding.
        {{{{"12", 4}, {"14", 2}}, true, false, false, 1, nullptr, 2, nullptr, "", "4 × 1½ square"},
         {13.00, 2.25, 0, 4.50, 2.25, 22.00},
         {"2⅜ FD — multiple cover/gang", "No"}},
        {{{{"12", 4}, {"14", 2}}, true, false, false, 1, nullptr, 2, nullptr, "square"},
         {13.00, 2.25, 0, 4.50, 2.25, 22.00},
         {"4¹¹⁄₁₆ × 1¼ square", ""}},
        // Six grounding conductors of 12 AWG add 2.25 × 1.5; 12.375 in³ ties two 12.5 in³
        // boxes, and the first in the table is taken.
        {{{{"12", 4}}, false, false, false, 0, nullptr, 6},
         {9.00, 0, 0, 0, 3.375, 12.375},
         {"4 × 1¼ round/octagonal", ""}},
        // A grounding size chosen: 2.50 + ¼ × 2.50.
        {{{{"14", 1}}, false, false, false, 0, nullptr, 5, "10"},
         {2.00, 0, 0, 0, 3.125, 5.125},
         {"3 × 2 × 1½ device", ""}},
        // Exactly 18.0 in³: the first 18.0 box (of the type); an exactly full box is enough.
        {{{{"12", 8}}, false, false, false, 0, nullptr, 0, nullptr, "", "4 × 1¼ square"},
         {18.00, 0, 0, 0, 0, 18.00},
         {"4 × 1¼ square", "Yes"}},
        {{{{"12", 8}}, false, false, false, 0, nullptr, 0, nullptr, "device"},
         {18.00, 0, 0, 0, 0, 18.00},
         {"3 × 2 × 3½ device", ""}},
        // One allowance per kind of fitting, each at the largest conductor (6 AWG).
        {{{{"14", 2}, {"6", 1}}, true, true, true},
         {9.00, 5.00, 10.00, 0, 0, 24.00},
         {"2⅜ FD — multiple cover/gang", ""}},
        // Devices on a chosen size need no conductor counted.
        {{{}, false, false, false, 2, "14"}, {0, 0, 0, 8.00, 0, 8.00}, {"3 × 2 × 2 device", ""}},
        {{}, {0, 0, 0, 0, 0, 0}, {"3 × 2 × 1½ device", ""}},
        // Above every box: the volume stays, with the message.
        {{{{"6", 20}}, false, false, false, 0, nullptr, 0, nullptr, "", "4 × 1½ square"},
         {100.00, 0, 0, 0, 0, 100.00},
         {"", "No"}},
    };
    for (const Case& c : cases) {
        const auto outcome = compute(c.box);
        ASSERT_TRUE(std::holds_alternative<BoxFillResult>(outcome)) << c.volumes[5];
        const BoxFillResult r = std::get<BoxFillResult>(outcome);
        const std::array<double, 6> volumes = {r.conductors, r.clamps,    r.supportFittings,
                                               r.devices,    r.grounding, r.required};
        EXPECT_EQ(volumes, c.volumes) << c.volumes[5];
        EXPECT_EQ(r.smallestBoxCaption, QString::fromUtf8(c.answers[0])) << c.volumes[5];
        EXPECT_EQ(r.smallestBox.has_value(), r.noBoxMessage.isEmpty()) << c.volumes[5];
        EXPECT_EQ(r.chosenBoxLargeEnough, QLatin1String(c.answers[1])) << c.volumes[5];
    }
}

TEST(BoxFill, StepsOfTheWorkedSquareBox) {
    const BoxFillResult r = std::get<BoxFillResult>(compute(
        {{{"12", 4}, {"14", 2}}, true, false, false, 1, nullptr, 2, nullptr, "", "4 × 1½ square"}));
    const QStringList steps = {
        "314.16(B)(1), Table 314.16(B): 2 × 14 AWG at 2.00 in³ = 4.00 in³",
        "314.16(B)(1), Table 314.16(B): 4 × 12 AWG at 2.25 in³ = 9.00 in³",
        "Conductors: 13.00 in³",
        "314.16(B)(2) internal cable clamps: one 12 AWG allowance = 2.25 in³",
        "314.16(B)(4) devices: 1 × 2 × 2.25 in³ (12 AWG, largest in box) = 4.50 in³",
        "314.16(B)(5) grounding conductors: 2, one 12 AWG allowance = 2.25 in³",
        "Required volume: 22.00 in³",
        "Smallest standard metal box, Table 314.16(A): 2⅜ FD — multiple cover/gang, 24.0 in³",
        "Chosen box 4 × 1½ square, Table 314.16(A): 21.0 in³ < 22.00 in³: No",
    };
    EXPECT_EQ(r.steps.join(u'\n').toStdString(), steps.join(u'\n').toStdString());
}

TEST(BoxFill, NoBoxLargeEnoughKeepsTheVolume) {
    const BoxFillResult any = std::get<BoxFillResult>(compute({{{"6", 20}}}));
    EXPECT_EQ(any.noBoxMessage,
              "No standard metal box is large enough: the required volume is 100.00 in³.");
    const BoxFillResult device = std::get<BoxFillResult>(
        compute({{{"12", 8}, {"14", 1}}, false, false, false, 0, nullptr, 0, nullptr, "device"}));
    EXPECT_DOUBLE_EQ(device.required, 20.0);
    EXPECT_EQ(device.noBoxMessage, "No standard metal box of the type \"device\" is large enough: "
                                   "the required volume is 20.00 in³.");
}

TEST(BoxFill, Refusals) {
    const std::pair<Box, const char*> cases[] = {
        {{{{"12", 1.5}}}, "The count for 12 AWG must be a whole number of 0 or more."},
        {{{{"14", std::nan("")}}}, "The count for 14 AWG must be a whole number of 0 or more."},
        {{{}, false, false, false, -1},
         "The count for Devices must be a whole number of 0 or more."},
        {{{{"14", 0}}, true},
         "Internal cable clamps count as one largest conductor in the box: "
         "enter a conductor count first."},
        {{{}, false, false, true},
         "Support fittings count as one largest conductor in the box: "
         "enter a conductor count first."},
        {{{}, false, false, false, 1},
         "Devices sized \"Largest in box\" need a conductor count: "
         "enter one, or choose a device conductor size."},
        {{{}, false, false, false, 0, nullptr, 1},
         "Grounding conductors sized \"Largest in box\" need a conductor count: enter one, or "
         "choose a grounding conductor size."},
        {{{{"4", 1}}}, "4 AWG is not in Table 314.16(B)."},
    };
    for (const auto& [box, message] : cases)
        EXPECT_EQ(refusal(box), QString::fromUtf8(message));
}

TEST(BoxFill, BoxTypesInTableOrder) {
    EXPECT_EQ(boxes().types(),
              QStringList({"round/octagonal", "square", "device", "masonry box/gang",
                           "FS — single cover/gang", "FD — single cover/gang",
                           "FS — multiple cover/gang", "FD — multiple cover/gang"}));
}

} // namespace
