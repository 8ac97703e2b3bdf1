// The values of one project: the pile, the methods and options, the unit system, the CPT points.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "app/project/texts.h"
#include "engine/model/cone_reading.h"
#include "engine/model/cpt_point.h"
#include "engine/model/file_format.h"
#include "engine/model/soil_settlement_file.h"

class QLocale;

namespace torve::app {

// Where the last CPT import took its data: held by the open project, never saved.
struct CptImportSettings {
    QString dataFile;
    int dataLines = 0;
    int headerLines = 0;
    int columns = 0;
    bool operator==(const CptImportSettings&) const = default;
};

// Every input of one analysis but the tables, as plain values. Unit-dependent values are in the
// project's unit system (English | S.I. in the comments); a file's codes outside an enum's range are
// kept as they are, so that the file is written back as it was read.
struct ProjectData {
    // The input data file, and beside it the driveability export and the CPT points file (set on
    // every save).
    QString fileName = texts::kNewFileName;
    QString driveabilityFileName;
    QString cptFileName;
    QString title = texts::kNewTitle;
    QString designer;
    QString jobNumber;
    UnitSystem units = UnitSystem::English;
    int printInterval = 1;
    bool circular = true;                         // follows the pile type and section shape
    double perimeter = 0;                         // in | mm
    double tipArea = 0;                           // in^2 | m^2
    double outsideDiameter = 0;                   // in | mm
    double insideDiameter = 0;                    // in | mm
    double modulusOfElasticity = 0;               // lb/in^2 | kN/m^2
    double totalPileLength = 0;                   // ft | m
    double stickupLength = 0;                     // ft | m
    double enhancedEndSectionLength = 0;          // ft | m
    double enhancedEndSectionInsideDiameter = 0;  // in | mm
    double zeroFrictionLength = 0;                // ft | m
    double computationIncrement = 1.0;            // ft | m
    PileType pileType = PileType::SteelPipe;
    double taperAngle = 0;  // degrees
    Method loadTransferMethod = Method::Api;
    bool offshoreEdition = true;     // the program's edition, never the file's flag
    bool reducedResistance = false;  // side resistance reduced by the factors of the soil layers
    std::array<bool, kMethodCount> selectedMethods{false, false, false, true};  // by index_of(Method)
    double deepestSoilDepth = 0;                                                // ft | m
    SectionMode sectionMode = SectionMode::FromDiameters;
    double crossSectionArea = 0;  // in^2 | m^2, for SectionMode::Constant
    bool printExtraTz = false;    // t-z curves also at the depths of the t-z print depth table
    LoadingType loadingType = LoadingType::Compression;
    double tensionReductionFactor = 1.0;
    ClayDrainage clayDrainage = ClayDrainage::Undrained;
    PlugCondition plugCondition = PlugCondition::Computed;
    UnifiedClayBase unifiedClayBase = UnifiedClayBase::AreaRatio;
    CriticalDepthOption criticalDepthOption = CriticalDepthOption::FromDensity;
    double criticalDepth = 0;  // ft | m
    // The working loads as fractions of each method's capacity at the tip; none: the run's own
    // (1/2 and 1/3), and the file then holds no record of them. Fractions have no unit.
    std::optional<std::vector<double>> workingLoadFractions;
    // The capacity that many days after driving (set-up of the shaft); none: at the end of driving.
    // `setupA` gives every soil type the same rate; none: each type's own.
    std::optional<double> setupDays;
    std::optional<double> setupA;
    // The soil's settlement against depth (ft | m, in | mm) and the sustained head load (kips | kN)
    // of the downdrag the run solves; kept beside the project when it has a point.
    SettlementRecord settlement;
    std::vector<CptPoint> cptPoints;  // depth ft | m, qc ksf | kPa (the file holds lb/ft^2 | kPa)
    // fs, u2 and qt of the imported sounding, beside the points in a file of their own
    // (PROJECT.cone.csv); depth ft | m, stresses ksf | kPa. Empty: no such file.
    std::vector<ConeReading> coneReadings;
    CptImportSettings cptImport;

    bool operator==(const ProjectData&) const = default;

    bool isSelected(Method m) const { return selectedMethods[index_of(m)]; }
    void setSelected(Method m, bool on) { selectedMethods[index_of(m)] = on; }
    bool isUplift() const { return loadingType != LoadingType::Compression; }

    // Circumference of the pile for the driveability export: pi x OD for a circular pile, else
    // the perimeter, in ft or m.
    double circumference() const;

    // The warning that stops a run when FHWA is selected for a tapered timber, Raymond or monotube
    // pile whose taper leaves a negative diameter at the tip; nothing when the run may go on.
    std::optional<QString> taperWarning(const QLocale& locale) const;
    std::optional<QString> taperWarning() const;  // in the user's locale

    // Converts every unit-dependent value, the CPT points included, into `to`.
    void convertUnits(UnitSystem to);
};

// The unit system of a code of the files and the menu: above 2 counts as S.I., below 1 as English.
UnitSystem unitSystemFromCode(int code);

}  // namespace torve::app
