#include "shell/MenuTable.h"

#include <algorithm>
#include <array>

#include "electrical/frm3PCurrent.h"
#include "electrical/frmCapacitor.h"
#include "electrical/frmEff.h"
#include "electrical/frmKVA.h"
#include "electrical/frmOhmsLaw.h"
#include "electrical/frmOhmsLawAC.h"
#include "electrical/frmResistor.h"
#include "electrical/frmResistorColors.h"
#include "geometry/frmCircle.h"
#include "geometry/frmGeometry.h"
#include "geometry/frmPolygon.h"
#include "geometry/frmSphere.h"
#include "geometry/frmSquare.h"
#include "nec/frmBoxFill.h"
#include "nec/frmConductorAmpacity.h"
#include "nec/frmMotorBranchCircuit.h"
#include "nec/frmRacewayFill.h"
#include "nec/frmTransformerProtection.h"
#include "nec/frmVoltageDrop.h"
#include "reference/frmConduit.h"
#include "reference/frmDCMotorSpecs.h"
#include "reference/frmEnclosureIP.h"
#include "reference/frmEnclosureRating.h"
#include "reference/frmFlcurrents.h"
#include "reference/frmHPvTorque.h"
#include "reference/frmNemaMtr.h"
#include "reference/frmWireClass.h"

namespace {

template <class Sheet> QWidget* make() {
    return new Sheet;
}

using enum ItemArray;
using enum Command;
using enum Selector;

// Margins in twips, width / height.
constexpr int Wide = 1050;  // geometry, DC and torque sheets, three-phase calculators
constexpr int Narrow = 500; // electrical sheets and the single-phase menu
constexpr int Tall = 1000;
constexpr int Small = 200; // wire classes and colour codes
constexpr int SmallH = 800;
constexpr int Enclosure = 1000;

// In menu-bar order; a submenu names its parent by its position here.
constexpr std::array menuTable{
    MenuRow{"mnuFile", "&File", -1, true, mnuFileItem},
    MenuRow{"mnuGeometry", "&Geometry", -1, false, mnuGeometryItem},
    MenuRow{"mnuDim_0", "2D Objects", 1, true, mnuGeometryItem},
    MenuRow{"mnuDim_1", "3D Objects", 1, true, mnu3dGeometryItem},
    MenuRow{"mnuElectricalItem_0", "&Electrical", -1, true, mnuGeneralItem},
    MenuRow{"mnuGeneral_0", "E&nclosure Ratings", -1, true, itmEncRatings},
    MenuRow{"mnuSinglePhase_0", "&Single Phase AC", -1, true, mnuSinglePhaseItem},
    MenuRow{"mnu3Phase_2", "3 &Phase AC", -1, true, mnu3PhaseItem},
    MenuRow{"mnuNEC", "NE&C", -1, true, mnuNECItem},
    MenuRow{"mnuHelp", "&Help", -1, true, mnuHelpItem},
};

const std::array itemTable{
    MenuItemRow{mnuFileItem, 1, "&Exit", Exit},

    MenuItemRow{mnuGeometryItem, 0, "Circle", OpenSheet, CircleSelect, 0, make<frmCircle>, Wide,
                Wide},
    MenuItemRow{mnuGeometryItem, 1, "Triangle (Right)", OpenSheet, None, 0, make<frmGeometry>, Wide,
                Wide},
    MenuItemRow{mnuGeometryItem, 2, "Rectangle", OpenSheet, FigureSelect, 0, make<frmSquare>, Wide,
                Wide},
    MenuItemRow{mnuGeometryItem, 3, "Parallelogram", OpenSheet, FigureSelect, 1, make<frmSquare>,
                Wide, Wide},
    MenuItemRow{mnuGeometryItem, 4, "Trapezoid", OpenSheet, FigureSelect, 2, make<frmSquare>, Wide,
                Wide},
    MenuItemRow{mnuGeometryItem, 5, "Quadrilateral", OpenSheet, FigureSelect, 3, make<frmSquare>,
                Wide, Wide},
    MenuItemRow{mnuGeometryItem, 6, "Annulus", OpenSheet, FigureSelect, 4, make<frmSquare>, Wide,
                Wide},
    MenuItemRow{mnuGeometryItem, 7, "Trapezium", OpenSheet, FigureSelect, 5, make<frmSquare>, Wide,
                Wide},
    MenuItemRow{mnuGeometryItem, 8, "Triangle (Equilateral)", OpenSheet, FigureSelect, 6,
                make<frmSquare>, Wide, Wide},
    MenuItemRow{mnuGeometryItem, 9, "Regular Polygon", OpenSheet, None, 0, make<frmPolygon>, Wide,
                Wide},
    MenuItemRow{mnuGeometryItem, 10, "Circle Sections", OpenSheet, CircleSelect, 1, make<frmCircle>,
                Wide, Wide},
    MenuItemRow{mnuGeometryItem, 11, "Ellipse", OpenSheet, CircleSelect, 2, make<frmCircle>, Wide,
                Wide},

    MenuItemRow{mnu3dGeometryItem, 0, "Sphere", OpenSheet, None, 0, make<frmSphere>, Wide, Wide},
    MenuItemRow{mnu3dGeometryItem, 1, "Cube", OpenSheet, FigureSelect, 7, make<frmSquare>, Wide,
                Wide},
    MenuItemRow{mnu3dGeometryItem, 2, "Right Prism", OpenSheet, FigureSelect, 8, make<frmSquare>,
                Wide, Wide},
    MenuItemRow{mnu3dGeometryItem, 3, "Right Cylinder", OpenSheet, FigureSelect, 9, make<frmSquare>,
                Wide, Wide},
    MenuItemRow{mnu3dGeometryItem, 4, "Right Cone", OpenSheet, FigureSelect, 10, make<frmSquare>,
                Wide, Wide},
    MenuItemRow{mnu3dGeometryItem, 5, "Right Pyramid", OpenSheet, FigureSelect, 11, make<frmSquare>,
                Wide, Wide},
    MenuItemRow{mnu3dGeometryItem, 6, "Circular Ring", OpenSheet, FigureSelect, 12, make<frmSquare>,
                Wide, Wide},

    MenuItemRow{mnuGeneralItem, 0, "Conduit Volume", OpenSheet, None, 0, make<frmConduit>, Narrow,
                Tall},
    MenuItemRow{mnuGeneralItem, 1, "Resistor Calculations", OpenSheet, None, 0, make<frmResistor>,
                Narrow, Tall},
    MenuItemRow{mnuGeneralItem, 2, "Capacitor Calculations", OpenSheet, CapacitorMode, -1,
                make<frmCapacitor>, Narrow, Tall},
    MenuItemRow{mnuGeneralItem, 3, "Inductor Calculations", OpenSheet, CapacitorMode, 0,
                make<frmCapacitor>, Narrow, Tall},
    MenuItemRow{mnuGeneralItem, 4, "NEMA Motor Frames", OpenSheet, None, 0, make<frmNemaMtr>,
                Narrow, Tall},
    MenuItemRow{mnuGeneralItem, 5, "Wire Classes", OpenSheet, None, 0, make<frmWireClass>, Small,
                SmallH},
    MenuItemRow{mnuGeneralItem, 6, "Resister Color Codes", OpenSheet, None, 0,
                make<frmResistorColors>, Small, SmallH},
    MenuItemRow{mnuGeneralItem, 7, "DC Motor Specs", OpenSheet, None, 0, make<frmDCMotorSpecs>,
                Wide, Wide},
    MenuItemRow{mnuGeneralItem, 8, "HP vs. Torque ", OpenSheet, None, 0, make<frmHPvTorque>, Wide,
                Wide},
    MenuItemRow{mnuGeneralItem, 9, "Ohms Law (DC)", OpenSheet, None, 0, make<frmOhmsLaw>, Wide,
                Wide},
    MenuItemRow{mnuGeneralItem, 10, "Ohms Law (AC)", OpenSheet, None, 0, make<frmOhmsLawAC>, Wide,
                Wide},

    MenuItemRow{itmEncRatings, 0, "NEMA", OpenSheet, WhiteBackground, 0, makeEnclosureNema,
                Enclosure, Enclosure},
    MenuItemRow{itmEncRatings, 1, "UL", OpenSheet, WhiteBackground, 0, makeEnclosureUL, Enclosure,
                Enclosure},
    MenuItemRow{itmEncRatings, 2, "CSA", OpenSheet, WhiteBackground, 0, makeEnclosureCSA, Enclosure,
                Enclosure},
    MenuItemRow{itmEncRatings, 3, "IP", OpenSheet, WhiteBackground, 0, make<frmEnclosureIP>,
                Enclosure, Enclosure},

    MenuItemRow{mnuSinglePhaseItem, 0, "Full Load Current", OpenSheet, ThreePhase, 0,
                make<frmFlcurrents>, Narrow, Tall},
    MenuItemRow{mnuSinglePhaseItem, 1, "Current Calcuations", OpenSheet, ThreePhase, 0,
                make<frm3PCurrent>, Narrow, Tall},
    MenuItemRow{mnuSinglePhaseItem, 2, "Efficiency Calculations", OpenSheet, ThreePhase, 0,
                make<frmEff>, Narrow, Tall},
    MenuItemRow{mnuSinglePhaseItem, 3, "Power Calculations", OpenSheet, ThreePhase, 0, make<frmKVA>,
                Narrow, Tall},

    MenuItemRow{mnu3PhaseItem, 0, "Full Load Current", OpenSheet, ThreePhase, -1,
                make<frmFlcurrents>, Narrow, Tall},
    MenuItemRow{mnu3PhaseItem, 1, "Current Calculations", OpenSheet, ThreePhase, -1,
                make<frm3PCurrent>, Wide, Wide},
    MenuItemRow{mnu3PhaseItem, 2, "Efficiency and Power Factor", OpenSheet, ThreePhase, -1,
                make<frmEff>, Wide, Wide},
    MenuItemRow{mnu3PhaseItem, 3, "Power Calculations", OpenSheet, ThreePhase, -1, make<frmKVA>,
                Wide, Wide},

    MenuItemRow{mnuNECItem, 0, "Conductor Ampacity", OpenSheet, None, 0, make<frmConductorAmpacity>,
                Narrow, Tall},
    MenuItemRow{mnuNECItem, 1, "Voltage Drop", OpenSheet, None, 0, make<frmVoltageDrop>, Narrow,
                Tall},
    MenuItemRow{mnuNECItem, 2, "Raceway Fill", OpenSheet, None, 0, make<frmRacewayFill>, Narrow,
                Tall},
    MenuItemRow{mnuNECItem, 3, "Box Fill", OpenSheet, None, 0, make<frmBoxFill>, Narrow, Tall},
    MenuItemRow{mnuNECItem, 4, "Motor Branch Circuit", OpenSheet, None, 0,
                make<frmMotorBranchCircuit>, Narrow, Tall},
    MenuItemRow{mnuNECItem, 5, "Transformer Protection", OpenSheet, None, 0,
                make<frmTransformerProtection>, Narrow, Tall},

    MenuItemRow{mnuHelpItem, 1, "About", About},
};

} // namespace

std::span<const MenuRow> menus() {
    return menuTable;
}
std::span<const MenuItemRow> menuItems() {
    return itemTable;
}

const MenuItemRow* findMenuItem(ItemArray array, int index) {
    const auto row = std::find_if(itemTable.begin(), itemTable.end(), [&](const MenuItemRow& r) {
        return r.array == array && r.index == index;
    });
    return row == itemTable.end() ? nullptr : &*row;
}

const char* itemArrayName(ItemArray array) {
    switch (array) {
#define KELVO_ITEM_ARRAY_NAME(name)                                                                \
    case name:                                                                                     \
        return #name;
        KELVO_ITEM_ARRAYS(KELVO_ITEM_ARRAY_NAME)
#undef KELVO_ITEM_ARRAY_NAME
    }
    return "";
}
