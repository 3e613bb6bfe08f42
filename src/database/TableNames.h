#pragma once

#include <QLatin1StringView>

// The names of the reference database's tables, shared by the generator that writes them and the
// sheets that read them. The generator reads each table from the CSV of the same stem (the
// conduit, frame and torque tables are built from it), so a name here is also a file in
// data/reference/.
namespace TableNames {

// Motor full-load currents by horsepower and voltage: single-phase AC, three-phase AC, DC.
inline constexpr QLatin1StringView SinglePhaseFullLoad{"tab1Pflcurrent"};
inline constexpr QLatin1StringView ThreePhaseFullLoad{"tab3Pflcurrent"};
inline constexpr QLatin1StringView DCFullLoad{"tabdccurrent"};
// NEMA frame dimensions by frame designation.
inline constexpr QLatin1StringView MotorFrame{"MotorFrame"};
// Conductors of one size that fit each trade size of rigid metal conduit.
inline constexpr QLatin1StringView Conduit{"conduit"};
// Torque by horsepower and speed.
inline constexpr QLatin1StringView Torque{"HPvTorque"};

// Conductor ampacities, Table 310.16.
inline constexpr QLatin1StringView Ampacity{"ampacity_310_16"};
// Ambient temperature correction factors, Table 310.15(B)(1).
inline constexpr QLatin1StringView TemperatureCorrection{"temp_correction_310_15_B_1"};
// Adjustment for more than three current-carrying conductors, Table 310.15(C)(1).
inline constexpr QLatin1StringView Adjustment{"adjustment_310_15_C_1"};
// Overcurrent limits of small conductors, 240.4(D).
inline constexpr QLatin1StringView SmallConductor{"small_conductor_240_4D"};
// Standard fuse and breaker ratings, Table 240.6(A).
inline constexpr QLatin1StringView StandardRatings{"standard_ocpd_240_6_A"};
// Conductor properties, Chapter 9 Table 8.
inline constexpr QLatin1StringView ConductorProperties{"conductor_properties_ch9_t8"};
// AC resistance and reactance, Chapter 9 Table 9.
inline constexpr QLatin1StringView Impedance{"ac_resistance_reactance_ch9_t9"};
// Raceway areas, Chapter 9 Table 4.
inline constexpr QLatin1StringView RacewayAreas{"raceway_areas_ch9_t4"};
// Insulated conductor areas, Chapter 9 Table 5.
inline constexpr QLatin1StringView ConductorAreas{"conductor_areas_ch9_t5"};
// Box volume allowance per conductor, Table 314.16(B).
inline constexpr QLatin1StringView BoxAllowances{"box_fill_314_16_B"};
// Metal box volumes and conductor counts, Table 314.16(A).
inline constexpr QLatin1StringView MetalBoxes{"metal_boxes_314_16_A"};
// Equipment grounding conductor sizes, Table 250.122.
inline constexpr QLatin1StringView Egc{"egc_250_122"};
// Motor branch-circuit device percentages, Table 430.52.
inline constexpr QLatin1StringView MotorOcpd{"motor_ocpd_430_52"};
// Motor overload percentages, 430.32.
inline constexpr QLatin1StringView MotorOverload{"motor_overload_430_32"};
// Transformer overcurrent percentages, Table 450.3(B).
inline constexpr QLatin1StringView TransformerOcpd{"transformer_ocpd_450_3_B"};

// The citations of every other table, one row or more per table (field TableName).
inline constexpr QLatin1StringView Sources{"sources"};

} // namespace TableNames
