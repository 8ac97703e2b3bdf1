// Texts of the graph windows, the graph dialogs and the soil profile view, each written once.
#pragma once

#include <QLatin1StringView>

namespace torve::app::texts {

// The graph window's menu.
inline constexpr QLatin1StringView kPlotMenu{"&Plot"};
inline constexpr QLatin1StringView kShowLegend{"Show &Legend"};
inline constexpr QLatin1StringView kShowSoilLayer{"Show &Soil Layer"};
inline constexpr QLatin1StringView kShowWallGeometry{"Show &Wall Geometry"};
inline constexpr QLatin1StringView kShowMarkers{"Show &Markers"};
inline constexpr QLatin1StringView kMarkersNever{"&Never"};
inline constexpr QLatin1StringView kMarkersEvery1{"Every &Increment"};
inline constexpr QLatin1StringView kMarkersEvery2{"Every &2 Increments"};
inline constexpr QLatin1StringView kMarkersEvery3{"Every &3 Incrments"};
inline constexpr QLatin1StringView kMarkersEvery5{"Every &5 Increments"};
inline constexpr QLatin1StringView kMarkersEvery10{"Every &10 Incements"};
inline constexpr QLatin1StringView kFontSize{"&Font Size"};
inline constexpr QLatin1StringView kLineWidth{"&Line Width"};
inline constexpr QLatin1StringView kDefaultSize{"&Default"};
inline constexpr QLatin1StringView kTimesDefault{"%1 * Default"};
inline constexpr QLatin1StringView kGraphTitle{"&Graph Title"};
inline constexpr QLatin1StringView kEditLegend{"&Edit Legend"};
inline constexpr QLatin1StringView kActiveCurves{"&Active Curves"};
inline constexpr QLatin1StringView kPrint{"&Print..."};
// The printer refused to start a page (offline, out of paper, a file it cannot create).
inline constexpr QLatin1StringView kPrinterNotStarted{
    "The printer could not be started; nothing was printed."};
inline constexpr QLatin1StringView kPageSetup{"P&age Setup"};
inline constexpr QLatin1StringView kSaveToDisk{"&Save To Disk..."};
inline constexpr QLatin1StringView kCopyGraph{"&Copy"};
// The soil profile's depth scale.
inline constexpr QLatin1StringView kFootUnit{"ft"};
inline constexpr QLatin1StringView kMetreUnit{"m"};
inline constexpr QLatin1StringView kLegendMarkTip{
    "Curves marked \" *\" are drawn; double-click a name to hide or show its curve."};
// Active curves beyond the first twenty go into submenus of twenty, so that the menu fits the
// screen however many curves are active.
inline constexpr QLatin1StringView kCurvesFromTo{"Curves %1 to %2"};

// The read-out of the pointer in the caption: caption, " X: " x, " Y: " y.
inline constexpr QLatin1StringView kReadoutX{" X: "};
inline constexpr QLatin1StringView kReadoutY{" Y: "};
inline constexpr QLatin1StringView kLegend{"Legend"};
inline constexpr QLatin1StringView kGraph{"Graph"};

// Saving.
inline constexpr QLatin1StringView kBitmapFilter{"Bitmap (*.bmp)"};
inline constexpr QLatin1StringView kPngFilter{"PNG image (*.png)"};
inline constexpr QLatin1StringView kSvgFilter{"SVG drawing (*.svg)"};
inline constexpr QLatin1StringView kNotEnoughMemory{"There is not enough memory to complete this task."};
inline constexpr QLatin1StringView kCannotSave{"The graph could not be written to %1."};

// The line names dialog.
inline constexpr QLatin1StringView kLegendCaption{"Legend"};
inline constexpr QLatin1StringView kSelectLine{"Select line to modify:"};
inline constexpr QLatin1StringView kTypeNewLegend{"Type new legend below:"};
inline constexpr QLatin1StringView kLineMustHaveName{"The line must have a name!"};
inline constexpr QLatin1StringView kOkButton{"&OK"};
inline constexpr QLatin1StringView kCancel{"&Cancel"};

// The curve activation dialog.
inline constexpr QLatin1StringView kActiveCurvesCaption{"Active Curves"};
inline constexpr QLatin1StringView kSelectCurve{"Select Curve to Active/Desactive"};
inline constexpr QLatin1StringView kActiveHeading{"Active :"};
inline constexpr QLatin1StringView kCurveHeading{"Curve"};
inline constexpr QLatin1StringView kToggleSelected{"Activate/Desactivate Selected"};
inline constexpr QLatin1StringView kActivateAll{"Activate All"};
inline constexpr QLatin1StringView kDeactivateAll{"Desactivate All"};
inline constexpr QLatin1StringView kActiveCode{" yes : "};
inline constexpr QLatin1StringView kInactiveCode{" no  : "};
inline constexpr QLatin1StringView kCodeGap{"   "};

// The graph caption dialog.
inline constexpr QLatin1StringView kGraphCaption{"Graph Caption"};
inline constexpr QLatin1StringView kEnterGraphCaption{"Enter Graph Caption"};
inline constexpr QLatin1StringView kCaptionLocation{"Caption Location"};
inline constexpr QLatin1StringView kTop{"Top"};
inline constexpr QLatin1StringView kBottom{"Bottom"};

// The save attributes dialog.
inline constexpr QLatin1StringView kSaveAttributes{"Save Attributes"};
inline constexpr QLatin1StringView kHeight{"&Height"};
inline constexpr QLatin1StringView kWidth{"&Width"};
inline constexpr QLatin1StringView kInches{"in"};
inline constexpr QLatin1StringView kPixelsPerInch{"&Pixels Per Inch"};
inline constexpr QLatin1StringView kPlainOk{"OK"};
inline constexpr QLatin1StringView kPlainCancel{"Cancel"};

// The soil profile view.
inline constexpr QLatin1StringView kElevationView{"Elevation View"};
inline constexpr QLatin1StringView kDepthReadout{"  Depth: "};
inline constexpr QLatin1StringView kPrintButton{"Print"};
inline constexpr QLatin1StringView kSoilPileProfile{"Soil-Pile Profile"};

}  // namespace torve::app::texts
