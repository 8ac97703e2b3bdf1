// Texts the graph and soil profile drawings write.
#pragma once

#include <QLatin1StringView>

namespace torve::app::texts {

// A soil layer of the soil profile: "depth= 0 - 30; Sand".
inline constexpr QLatin1StringView kLayerDepth{"depth= "};
inline constexpr QLatin1StringView kDepthTo{" - "};
inline constexpr QLatin1StringView kSandLayer{"; Sand"};
inline constexpr QLatin1StringView kClayLayer{"; Clay"};

// The cells of a page's title block.
inline constexpr QLatin1StringView kBlockProject{"Project"};
inline constexpr QLatin1StringView kBlockJob{"Job"};
inline constexpr QLatin1StringView kBlockDesigner{"Designer"};
inline constexpr QLatin1StringView kBlockDate{"Date"};
inline constexpr QLatin1StringView kBlockProgram{"Program"};
inline constexpr QLatin1StringView kBlockFile{"File"};

// The calculation sheet's subject, sections and labels.
inline constexpr QLatin1StringView kSheetSubject{
    "Calculation sheet: axial capacity and settlement of a driven pile"};
inline constexpr QLatin1StringView kSheetInputs{"Inputs"};
inline constexpr QLatin1StringView kSheetResults{"Results"};
inline constexpr QLatin1StringView kSheetGraphs{"Graphs"};
inline constexpr QLatin1StringView kSheetPile{"Pile"};
inline constexpr QLatin1StringView kSheetSoilLayers{"Soil layers"};
inline constexpr QLatin1StringView kSheetMethods{"Methods and control"};
inline constexpr QLatin1StringView kSheetCapacity{"Capacity at the pile tip"};
inline constexpr QLatin1StringView kSheetWorkingLoads{"Settlement at the working loads"};
inline constexpr QLatin1StringView kSheetWarnings{"Warnings"};
inline constexpr QLatin1StringView kSheetNoWarnings{"The run gave no warnings."};
inline constexpr QLatin1StringView kSheetNoWorkingLoads{"The run gave no working loads."};
inline constexpr QLatin1StringView kSheetCapacityGraph{"Total capacity against depth, every method"};
inline constexpr QLatin1StringView kSheetSoilProfile{"Soil profile and pile"};
inline constexpr QLatin1StringView kSheetLoadSettlementGraph{
    "Load against settlement of the pile head (%1), working loads marked"};
inline constexpr QLatin1StringView kSheetPage{"Page %1 of %2"};
inline constexpr QLatin1StringView kSheetContinued{"%1 (continued)"};
inline constexpr QLatin1StringView kSheetValue{"Value"};
inline constexpr QLatin1StringView kSheetItem{"Item"};

// Rows of the pile table.
inline constexpr QLatin1StringView kSheetPileType{"Pile type"};
inline constexpr QLatin1StringView kSheetOutsideDiameter{"Outside diameter (%1)"};
inline constexpr QLatin1StringView kSheetInsideDiameter{"Inside diameter (%1)"};
inline constexpr QLatin1StringView kSheetPerimeter{"Perimeter (%1)"};
inline constexpr QLatin1StringView kSheetTipArea{"Tip area (%1)"};
inline constexpr QLatin1StringView kSheetLength{"Total length (%1)"};
inline constexpr QLatin1StringView kSheetStickup{"Length above the ground surface (%1)"};
inline constexpr QLatin1StringView kSheetZeroFriction{"Length without friction (%1)"};
inline constexpr QLatin1StringView kSheetModulus{"Modulus of elasticity (%1)"};
inline constexpr QLatin1StringView kSheetTaper{"Taper angle (deg)"};
inline constexpr QLatin1StringView kSheetPlug{"Soil plug"};
inline constexpr QLatin1StringView kSheetLoading{"Loading"};

// Rows of the methods and control table.
inline constexpr QLatin1StringView kSheetSelectedMethods{"Methods selected"};
inline constexpr QLatin1StringView kSheetTransferMethod{"Method of the load-transfer curves"};
inline constexpr QLatin1StringView kSheetIncrement{"Computation increment (%1)"};
inline constexpr QLatin1StringView kSheetFractions{"Working loads, fractions of the capacity at the tip"};
inline constexpr QLatin1StringView kSheetCriticalDepth{"Critical depth"};
inline constexpr QLatin1StringView kSheetTensionFactor{"Tension reduction factor"};
inline constexpr QLatin1StringView kSheetReducedResistance{"Side resistance reduced by layer factors"};
inline constexpr QLatin1StringView kSheetCptPoints{"CPT points"};
inline constexpr QLatin1StringView kSheetDefaultFractions{"1/2 and 1/3 (the run's own)"};

// Columns of the soil layers table.
inline constexpr QLatin1StringView kSheetLayer{"Layer"};
inline constexpr QLatin1StringView kSheetSoil{"Soil"};
inline constexpr QLatin1StringView kSheetTop{"Top (%1)"};
inline constexpr QLatin1StringView kSheetBottom{"Bottom (%1)"};
inline constexpr QLatin1StringView kSheetUnitWeight{"Unit weight (%1)"};
inline constexpr QLatin1StringView kSheetStrength{"Friction angle (deg), blow count N or Su (%1)"};
inline constexpr QLatin1StringView kSheetKoNq{"Ko, Nq"};

// The pile types by code, 1 to 7.
inline constexpr QLatin1StringView kSheetPileTypes[] = {
    QLatin1StringView{"steel pipe pile or non-tapered portion of a monotube pile"},
    QLatin1StringView{"timber pile"},
    QLatin1StringView{"precast concrete pile"},
    QLatin1StringView{"Raymond step-taper pile"},
    QLatin1StringView{"Raymond uniform taper pile"},
    QLatin1StringView{"H-pile or other steel pile"},
    QLatin1StringView{"tapered portion of a monotube pile"},
};

// Words of the values.
inline constexpr QLatin1StringView kSheetSand{"sand"};
inline constexpr QLatin1StringView kSheetClay{"clay"};
inline constexpr QLatin1StringView kSheetYes{"yes"};
inline constexpr QLatin1StringView kSheetNo{"no"};
inline constexpr QLatin1StringView kSheetCompression{"compression"};
inline constexpr QLatin1StringView kSheetTension{"tension"};
inline constexpr QLatin1StringView kSheetPlugComputed{"plugged or unplugged, whichever bears less"};
inline constexpr QLatin1StringView kSheetPlugged{"plugged"};
inline constexpr QLatin1StringView kSheetUnplugged{"unplugged"};
inline constexpr QLatin1StringView kSheetCriticalFromDensity{"10 to 20 diameters by the density of the sand"};
inline constexpr QLatin1StringView kSheetCriticalFromStress{
    "where the effective stress reaches 3,500 lb/ft2"};
inline constexpr QLatin1StringView kSheetCriticalUser{"%1 %2, given"};

// What the run had beyond the capacity at the end of driving.
inline constexpr QLatin1StringView kSheetSetupAndDowndrag{"Set-up and downdrag"};
inline constexpr QLatin1StringView kSheetSetup{"Set-up"};
// %1 the days after driving.
inline constexpr QLatin1StringView kSheetSetupValue{
    "capacity %1 days after driving: skin friction and load transfer times 1 + A log10(t/t0)"};
inline constexpr QLatin1StringView kSheetDowndrag{"Downdrag"};
// %1 the neutral plane, %2 its unit, %3 the drag force, %4 the unit of forces, %5 the head load.
inline constexpr QLatin1StringView kSheetDowndragValue{
    "neutral plane at %1 %2, drag force %3 %4 under a sustained head load of %5 %4"};

}  // namespace torve::app::texts
