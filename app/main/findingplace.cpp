// Where the user enters the value a finding names.
#include "app/main/findingplace.h"

#include <string_view>

#include "app/dialogs/texts.h"
#include "app/widgets/caption.h"

namespace torve::app {
namespace {

using Id = RecordId;

QString plain(QLatin1StringView caption) {
    return plainCaption(QString(caption)).trimmed();
}

struct FieldCaption {
    std::string_view field;
    QLatin1StringView caption;
};

// The soil point's values that the soil layers dialog shows in the layer's row.
constexpr FieldCaption kLayerRowFields[] = {
    {"depth", texts::kLayerValueNames[2]},
    {"maximum unit friction", texts::kLayerValueNames[3]},
    {"maximum unit bearing", texts::kLayerValueNames[4]},
    {"LRFD factor on unit friction", texts::kLayerValueNames[5]},
    {"LRFD factor on unit bearing", texts::kLayerValueNames[6]},
};

// Those of the layer's soil data dialog, at the layer's top or bottom.
constexpr FieldCaption kLayerDataFields[] = {
    {"effective unit weight", texts::kUnitWeight},
    {"friction angle", texts::kFrictionAngle},
    {"coefficient of lateral earth pressure", texts::kEarthPressure},
    {"bearing capacity factor", texts::kBearingFactor},
    {"undrained shear strength", texts::kUndrainedStrength},
    {"remolded shear strength or blow count", texts::kRemoldedStrength},
    {"yield stress ratio", texts::kYieldStressRatio},
    {"plasticity index", texts::kPlasticityIndex},
    {"cone resistance", texts::kConeQc},
    {"user unit skin friction", texts::kUserFriction},
    {"user unit end bearing", texts::kUserBearing},
    {"soil-type factor Fst", texts::kSoilTypeFactor},
};

std::optional<FindingPlace> soilPointPlace(const Finding& f) {
    if (f.layer <= 0) return FindingPlace{DialogId::SoilLayers, {}, 0};
    const QString layer = QString::number(f.layer);
    for (const FieldCaption& c : kLayerRowFields) {
        if (f.field == c.field)
            return FindingPlace{DialogId::SoilLayers, QString(texts::kLayerValueName).arg(layer, c.caption),
                                0};
    }
    // Soil points go two to a layer: its top, then its bottom.
    const QLatin1StringView end = f.place.index % 2 == 0 ? texts::kAtTop : texts::kAtBottom;
    for (const FieldCaption& c : kLayerDataFields) {
        if (f.field == c.field) return FindingPlace{DialogId::SoilLayers, plain(c.caption) + end, f.layer};
    }
    return FindingPlace{DialogId::SoilLayers, {}, 0};
}

}  // namespace

std::optional<FindingPlace> placeOf(const Finding& f, bool circular) {
    const DialogId pile = circular ? DialogId::CircularPile : DialogId::NoncircularPile;
    const auto in = [](DialogId dialog, QLatin1StringView caption = {}) {
        return FindingPlace{dialog, caption.isEmpty() ? QString() : plain(caption), 0};
    };
    const std::string& field = f.field;
    switch (f.place.id) {
        case Id::Title:
            return in(DialogId::Title, texts::kTitleCaption);
        case Id::Designer:
            return in(DialogId::Title, texts::kDesignerCaption);
        case Id::JobNumber:
            return in(DialogId::Title, texts::kJobNumberCaption);
        case Id::UnitsAndCounts:
            if (field == "print interval") return in(DialogId::ControlOptions, texts::kPrintEvery);
            return in(DialogId::SoilLayers);
        case Id::PileSection:
            if (field == "perimeter") return in(DialogId::NoncircularPile, texts::kPerimeter);
            if (field == "tip area") return in(DialogId::NoncircularPile, texts::kTipArea);
            if (field == "outside diameter") return in(DialogId::CircularPile, texts::kOuterDiameter);
            if (field == "inside diameter") return in(DialogId::CircularPile, texts::kInnerDiameter);
            if (field == "modulus of elasticity") return in(DialogId::PileMaterial, texts::kModulus);
            if (field == "total pile length") return in(pile, texts::kTotalLength);
            if (field == "stickup length") return in(pile, texts::kStickupLength);
            return in(pile);
        case Id::EndSection:
            if (field == "enhanced end section length")
                return in(DialogId::CircularPile, texts::kEndSectionLength);
            return in(DialogId::CircularPile, texts::kEndSectionInnerDiameter);
        case Id::Options:
            if (field == "zero-friction length")
                return in(pile, circular ? texts::kZeroFrictionLength : texts::kZeroFrictionFromLength);
            if (field == "computation increment")
                return in(DialogId::ControlOptions, texts::kIncrementLength);
            if (field == "taper angle") return in(DialogId::PileMaterial, texts::kTaperAngle);
            if (field == "pile-type code") return in(DialogId::PileMaterial);
            return in(DialogId::ComputationMethods);
        case Id::MethodFlags:
            return in(DialogId::ComputationMethods);
        case Id::SoilDepth:
            if (field == "cross-section area") return in(DialogId::PileMaterial);
            return in(DialogId::SoilLayers);
        case Id::SoilPointFirstLine:
        case Id::SoilPointSecondLine:
            return soilPointPlace(f);
        case Id::TzPrint:
        case Id::TzPrintDepth:
            return in(DialogId::TzPrintOption);
        case Id::Loading:
            if (field == "tension reduction factor")
                return in(DialogId::ComputationMethods, texts::kTensionFactor);
            return in(DialogId::ComputationMethods);
        case Id::DrainageAndPlug:
            if (field == "plug condition code") return in(DialogId::CircularPile);
            return in(DialogId::ComputationMethods);
        case Id::SectionTable:
        case Id::SectionRow:
            return in(DialogId::PileMaterial);
        case Id::CriticalDepth:
            return in(DialogId::ComputationMethods);
        case Id::WorkingLoads:
            return std::nullopt;
        case Id::CptHeader:
        case Id::CptRow:
            return in(DialogId::CptData);
        case Id::LayerConstants:
            // Entered in the layer's data, through its dynamic and set-up constants.
            return FindingPlace{DialogId::SoilLayers, {}, f.layer};
    }
    return std::nullopt;
}

QString editLayerButton(int layer) {
    return plain(texts::kEditLayer) + QLatin1Char(' ') + QString::number(layer);
}

}  // namespace torve::app
