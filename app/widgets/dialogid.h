// The child windows the main window opens by name, at most one of each.
#pragma once

namespace torve::app {

enum class DialogId {
    Title,
    ComputationMethods,
    ControlOptions,
    TzPrintOption,
    CriticalDepth,
    PileMaterial,
    CircularPile,
    NoncircularPile,
    SoilLayers,
    SoilSettlement,
    CptData,
    SoilProfile,
};

}  // namespace torve::app
