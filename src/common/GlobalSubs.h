#pragma once

#include <QtGlobal>

// State shared across windows: the kind of the open sheet and the selectors the main window
// sets before it loads a sheet. All start at zero and keep their value until written again.
namespace GlobalSubs {
extern qint16 CurrentFormKind;
extern qint16 FigureSelect;  // which figure the figure window shows, 0 to 12
extern qint16 CircleSelect;  // 0 circle, 1 circle sections, 2 ellipse
extern qint16 ThreePhase;    // -1 three-phase, 0 single-phase
extern qint16 CapacitorMode; // -1 capacitors, 0 inductors
} // namespace GlobalSubs

// The child-window kind each sheet records when it loads.
namespace FormKind {
inline constexpr qint16 None = 1;
inline constexpr qint16 Circle = 2;
inline constexpr qint16 Conduit = 3;
inline constexpr qint16 EnclosureNema = 4;
inline constexpr qint16 Flcurrents = 5;
inline constexpr qint16 Geometry = 6;
inline constexpr qint16 ThreePCurrent = 7;
inline constexpr qint16 Sphere = 8;
inline constexpr qint16 Square = 9;
inline constexpr qint16 EnclosureCSA = 10;
inline constexpr qint16 EnclosureUL = 11;
inline constexpr qint16 EnclosureIP = 12;
inline constexpr qint16 Eff = 13;
inline constexpr qint16 KVA = 14;
inline constexpr qint16 Resistor = 15;
inline constexpr qint16 Capacitor = 16;
inline constexpr qint16 NemaMtr = 17;
inline constexpr qint16 Polygon = 18;
inline constexpr qint16 WireClass = 19;
inline constexpr qint16 DCMotorSpecs = 20;
inline constexpr qint16 HPvTorque = 21;
inline constexpr qint16 ResistorColors = 22;
inline constexpr qint16 OhmsLaw = 23;
inline constexpr qint16 OhmsLawAC = 24;
// 25 and 26: Conductor Ampacity and Voltage Drop.
inline constexpr qint16 RacewayFill = 27;
inline constexpr qint16 BoxFill = 28;

inline constexpr bool isSheet(qint16 kind) {
    return kind >= Circle && kind <= BoxFill;
}
} // namespace FormKind
