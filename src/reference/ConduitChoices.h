#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "database/Recordset.h"
#include "database/TableNames.h"

// The option lists of the conduit sheet and the look-up they lead to. The wire types are one
// row each: what the option says, the group code that starts the look-up key, and which wire
// sizes the group has rows for.
namespace ConduitChoices {

inline constexpr const char* table = TableNames::Conduit.data();
inline constexpr const char* keyField = "ConductorSize";

inline constexpr std::array<const char*, 21> wireSizes{
    "14",  "12",   "10",  "8",   "6",   "4",   "3",   "2",   "1",   "0",  "00",
    "000", "0000", "250", "300", "350", "400", "500", "600", "700", "750"};
inline constexpr std::array<const char*, 12> conduitSizes{
    "1/2", "3/4", "1", "1 1/4", "1 1/2", "2", "2 1/2", "3", "3 1/2", "4", "5", "6"};

using SizeSet = std::uint32_t; // bit i: wire-size option i

constexpr SizeSet sizeRange(int first, int last) {
    SizeSet set = 0;
    for (int i = first; i <= last; ++i)
        set |= SizeSet{1} << i;
    return set;
}

struct WireType {
    int option; // the optType index; the rows are in their order in the frame, top down
    const char* caption;
    std::array<const char*, 2> notes; // the plain labels under the option ("" = none)
    const char* code;
    int selectedSize; // wire-size option chosen with the type
    SizeSet enabledSizes;
};

inline constexpr std::array<WireType, 5> wireTypes{{
    {3,
     "THWN,THHN,FEP(14 thru 2)",
     {"FEPB(14 thru 8),PFA(14 thru 4/0)", "Z(14 thru 4/0), XHHW(4 thru 500MCM)"},
     "th",
     0,
     sizeRange(0, 20)},
    {0, "TW,T,RUH,RUW", {"XHHW(14 thru 8)", ""}, "tw", 0, sizeRange(0, 3)},
    {1, "RHW and RHH", {"(without outer covering)", "THW"}, "rh", 0, sizeRange(0, 3)},
    {2,
     "TW,T,THW,RUH(6 thru 2)",
     {"RUW(6 thru 2), FEPB (6 thru 2)", "RHW and RHH (with outer covering)"},
     "rt",
     4,
     sizeRange(4, 20)},
    {4, "XHHW", {"", ""}, "xh", 4, sizeRange(4, 4) | sizeRange(18, 20)},
}};

inline constexpr int initialType = 3;

// The row of option `option`, or null for an index the frame does not have.
const WireType* wireType(int option);

// The key the table is searched by: the type code followed by the wire size ("th14", "rt250").
QString lookupKey(const QString& typeCode, const QString& wireSize);

// The number of conductors, as text, from the field named by the conduit size on the key's
// row; nothing when the row or the field is missing (the table's ErrorText() says which).
std::optional<QString> conductorCount(Recordset& conduit, const QString& key,
                                      const QString& conduitSize);

} // namespace ConduitChoices
