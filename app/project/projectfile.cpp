// The input data file of a project: the codec's records of it, read from and written to disk, and
// their exchange with the project's values and tables.
#include "app/project/projectfile.h"

#include <QFileInfo>
#include <cmath>

#include "app/controls/filereading.h"
#include "app/controls/usererror.h"
#include "app/graph/texts.h"
#include "app/project/projectdata.h"
#include "app/project/projecttables.h"
#include "app/project/texts.h"
#include "engine/model/project_codec.h"

namespace torve::app {
namespace {

using Tables = ProjectTables;
using Kind = FormatFault::Kind;

QString latin1(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// What the word reader says was expected, after "Error on Line <n> Item <m>\r".
QString expected(const FormatFault& f, bool cpt) {
    const QString what = latin1(f.field);
    switch (f.kind) {
        case Kind::EndOfFile:
            break;
        case Kind::NotANumber:
            return texts::kFloatExpected;
        case Kind::NotAnInteger:
            return texts::kIntegerExpected;
        case Kind::NegativeCount:
        case Kind::CountOverLimit:
            if (cpt) return QString(texts::kCptRowsExpected).arg(kMaxCptRows);
            return QString(texts::kCountExpected).arg(what).arg(f.most);
        case Kind::CountBeyondFile:
            return QString(texts::kCountBeyondFile).arg(f.count).arg(what);
        case Kind::OddSoilPoints:
            return texts::kEvenSoilPointsExpected;
        case Kind::SoilTypeCode:
            return texts::kSoilTypeExpected;
        case Kind::BlowCountNotWhole:
            return texts::kWholeBlowCountExpected;
        case Kind::UnitCode:
            return texts::kUnitCodeExpected;
    }
    return {};
}

// A field's name in the message of a value that cannot be saved: its own name, or with the soil
// point, depth or row it belongs to.
QString fieldName(const NotFiniteError& e) {
    const QString field = latin1(e.field);
    const int number = e.place.index + 1;
    switch (e.place.id) {
        case RecordId::SoilPointFirstLine:
        case RecordId::SoilPointSecondLine:
            return QString(texts::kSoilPointField).arg(number).arg(field);
        case RecordId::TzPrintDepth:
            return QString(texts::kTzDepthField).arg(number).arg(field);
        case RecordId::SectionRow:
            return QString(texts::kSectionRowField).arg(number).arg(field);
        case RecordId::CptRow:
            return QString(texts::kCptPointField).arg(field).arg(number);
        default:
            return field;
    }
}

void fillSoilPoint(GridTable& data, int row, const SoilPointRecord& p, bool sand) {
    auto set = [&](int col, double v) { data.cell(col, row).setDouble(v); };
    set(Tables::SandUnitWeight, p.effective_unit_weight);
    if (sand) {
        set(Tables::FrictionAngle, p.friction_angle);
        data.cell(Tables::BlowCount, row)
            .setInt(static_cast<int>(std::lround(p.remolded_shear_strength_or_blow_count)));
        set(Tables::EarthPressure, p.coefficient_of_lateral_earth_pressure);
        set(Tables::BearingFactor, p.bearing_capacity_factor);
    } else {
        set(Tables::UndrainedStrength, p.undrained_shear_strength);
        set(Tables::RemoldedStrength, p.remolded_shear_strength_or_blow_count);
        set(Tables::PlasticityIndex, p.plasticity_index);
        set(Tables::YieldStressRatio, p.yield_stress_ratio);
        set(Tables::ClayFst, p.soil_type_factor_fst);
    }
    set(Tables::SandQc, p.cone_resistance);
    set(Tables::SandUserFriction, p.user_unit_skin_friction);
    set(Tables::SandUserBearing, p.user_unit_end_bearing);
}

// The layer's own constants: its top point's, which the engine takes for the layer, each else its
// bottom point's (a value given there alone is meant for the layer too).
void fillLayerConstants(GridTable& layers, int i, const SoilPointRecord& top, const SoilPointRecord& bottom) {
    for (std::size_t k = 0; k < kLayerConstantFields.size(); ++k) {
        const auto field = kLayerConstantFields[k];
        const std::optional<double> v = top.constants.*field ? top.constants.*field : bottom.constants.*field;
        layers.cell(Tables::ShaftQuakeColumn + static_cast<int>(k), i)
            .setDouble(v.value_or(Tables::kNotGiven));
    }
}

LayerConstants layerConstants(const GridTable& layers, int i) {
    LayerConstants c;
    for (std::size_t k = 0; k < kLayerConstantFields.size(); ++k) {
        const double v = layers.cell(Tables::ShaftQuakeColumn + static_cast<int>(k), i).toDouble();
        if (Tables::given(v)) c.*kLayerConstantFields[k] = v;
    }
    return c;
}

void fillSoilLayers(GridTable& layers, const std::vector<SoilPointRecord>& points) {
    const int count = static_cast<int>(points.size() / 2);
    layers.setRowCount(count);
    for (int i = 0; i < count; ++i) {
        const SoilPointRecord& top = points[static_cast<std::size_t>(2 * i)];
        const SoilPointRecord& bottom = points[static_cast<std::size_t>(2 * i + 1)];
        const bool sand = top.is_sand();
        layers.cell(Tables::SoilTypeColumn, i).setInt(sand ? 1 : 2);
        layers.cell(Tables::BottomDepthColumn, i).setDouble(bottom.depth);
        layers.cell(Tables::MaxSideFrictionColumn, i).setDouble(bottom.maximum_unit_friction);
        layers.cell(Tables::MaxEndBearingColumn, i).setDouble(bottom.maximum_unit_bearing);
        // The previous format has no factors: the table keeps its initial values.
        if (bottom.lrfd_factor_on_unit_friction)
            layers.cell(Tables::SideFactorColumn, i).setDouble(*bottom.lrfd_factor_on_unit_friction);
        if (bottom.lrfd_factor_on_unit_bearing)
            layers.cell(Tables::EndFactorColumn, i).setDouble(*bottom.lrfd_factor_on_unit_bearing);
        if (GridTable* data = layers.cell(Tables::LayerDataColumn, i).subTable()) {
            fillSoilPoint(*data, 0, top, sand);
            fillSoilPoint(*data, 1, bottom, sand);
        }
        fillLayerConstants(layers, i, top, bottom);
    }
}

SoilPointRecord soilPoint(const GridTable& layers, int layer, int row) {
    SoilPointRecord p;
    const bool sand = layers.cell(Tables::SoilTypeColumn, layer).toInt() != 2;
    p.soil_type_code = sand ? 1 : 2;
    p.depth = row == 1 ? layers.cell(Tables::BottomDepthColumn, layer).toDouble()
                       : (layer == 0 ? 0.0 : layers.cell(Tables::BottomDepthColumn, layer - 1).toDouble());
    p.maximum_unit_friction = layers.cell(Tables::MaxSideFrictionColumn, layer).toDouble();
    p.maximum_unit_bearing = layers.cell(Tables::MaxEndBearingColumn, layer).toDouble();
    p.lrfd_factor_on_unit_friction = layers.cell(Tables::SideFactorColumn, layer).toDouble();
    p.lrfd_factor_on_unit_bearing = layers.cell(Tables::EndFactorColumn, layer).toDouble();
    p.constants = layerConstants(layers, layer);
    const GridTable* data = layers.cell(Tables::LayerDataColumn, layer).subTable();
    if (!data || row >= data->rowCount()) return p;
    auto get = [&](int col) { return data->cell(col, row).toDouble(); };
    p.effective_unit_weight = get(Tables::SandUnitWeight);
    if (sand) {
        p.friction_angle = get(Tables::FrictionAngle);
        p.remolded_shear_strength_or_blow_count = data->cell(Tables::BlowCount, row).toInt();
        p.coefficient_of_lateral_earth_pressure = get(Tables::EarthPressure);
        p.bearing_capacity_factor = get(Tables::BearingFactor);
    } else {
        p.undrained_shear_strength = get(Tables::UndrainedStrength);
        p.remolded_shear_strength_or_blow_count = get(Tables::RemoldedStrength);
        p.plasticity_index = get(Tables::PlasticityIndex);
        p.yield_stress_ratio = get(Tables::YieldStressRatio);
        p.soil_type_factor_fst = get(Tables::ClayFst);
    }
    p.cone_resistance = get(Tables::SandQc);
    p.user_unit_skin_friction = get(Tables::SandUserFriction);
    p.user_unit_end_bearing = get(Tables::SandUserBearing);
    return p;
}

}  // namespace

QString besideProject(const QString& path, const char* extension) {
    const QFileInfo info(path);
    const QString base = info.suffix().isEmpty() ? path : path.left(path.size() - info.suffix().size() - 1);
    return base + QLatin1String(extension);
}

UserError readError(const FormatError& e, const QString& path, bool cpt) {
    const FormatFault& f = e.fault();
    const int line = static_cast<int>(f.line);
    // A CPT points file that ends before its rows is incomplete, as the word reader has it.
    // The file and what a complete one holds there come after the reader's words.
    const int lines = static_cast<int>(f.file_lines);
    if (f.kind == Kind::EndOfFile) {
        return UserError(
            QString(texts::kFileIncomplete) + u'\r' +
                QString(texts::kFileEndsBefore).arg(path).arg(lines).arg(latin1(f.field), latin1(f.record)),
            FileLocation{path, lines, 0});
    }
    if (cpt && f.kind == Kind::CountBeyondFile) {
        return UserError(
            QString(texts::kFileIncomplete) + u'\r' +
                QString(texts::kFileEndsBeforeCount).arg(path).arg(lines).arg(f.count).arg(latin1(f.field)),
            FileLocation{path, lines, 0});
    }
    const int item = static_cast<int>(f.item);
    return UserError(QString(texts::kErrorOnLine).arg(line).arg(item) + expected(f, cpt),
                     FileLocation{path, line, item});
}

ProjectFile ProjectFile::read(const QString& path, ProjectFormat format) {
    return fromText(readFileWhole(path, texts::kCannotOpen), format, path);
}

// Record by record as the engine reads the file, with what the program's tables can hold.
ProjectFile ProjectFile::fromText(const QByteArray& text, ProjectFormat format, const QString& path) {
    ReadOptions options;
    options.layout = format == ProjectFormat::Current ? Layout::Current : Layout::Previous;
    options.desktop_tables = true;
    ProjectFile file;
    try {
        file.records =
            read_project_records(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                                 path.toStdString(), options)
                .records;
    } catch (const FormatError& e) {
        throw readError(e, path);
    }
    return file;
}

QByteArray ProjectFile::text() const {
    try {
        return QByteArray::fromStdString(write_project_records(records, WriteStyle::Desktop));
    } catch (const NotFiniteError& e) {
        throw UserError(
            QString(texts::kNotSavedNotFinite).arg(fieldName(e), QString::fromStdString(e.word())));
    }
}

ProjectData ProjectFile::data(const QString& path, bool offshoreEdition) const {
    const ProjectRecords& f = records;
    ProjectData d;
    d.offshoreEdition = offshoreEdition;
    d.fileName = path;
    d.units = unitSystemFromCode(f.unit_system_code);
    // The codec holds the texts in UTF-8, a legacy Latin-1 file's decoded as it read them.
    d.title = QString::fromStdString(f.title);
    d.designer = QString::fromStdString(f.designer);
    d.jobNumber = QString::fromStdString(f.job_number);
    d.printInterval = f.print_interval;
    pileInto(d);
    methodsInto(d);
    d.printExtraTz = f.t_z_print_flag == 1;
    d.loadingType = static_cast<LoadingType>(f.loading_type_code);
    d.tensionReductionFactor = f.tension_reduction_factor;
    d.clayDrainage = static_cast<ClayDrainage>(f.clay_drainage_option);
    d.plugCondition = static_cast<PlugCondition>(f.plug_condition_code);
    d.unifiedClayBase = static_cast<UnifiedClayBase>(f.unified_clay_base_option);
    // A section line without its mode (an earlier layout): the rows, else the constant area, tell.
    if (f.section_mode)
        d.sectionMode = static_cast<SectionMode>(*f.section_mode);
    else if (f.number_of_section_rows >= 2)
        d.sectionMode = SectionMode::VaryingWithDepth;
    else
        d.sectionMode = f.cross_section_area != 0 ? SectionMode::Constant : SectionMode::FromDiameters;
    d.criticalDepthOption = static_cast<CriticalDepthOption>(f.critical_depth_option.value_or(0));
    d.criticalDepth = f.critical_depth.value_or(0);
    d.workingLoadFractions = f.working_load_fractions;
    return d;
}

void ProjectFile::pileInto(ProjectData& d) const {
    const ProjectRecords& f = records;
    d.circular = f.perimeter == 0;  // a circular pile is written with perimeter 0
    d.perimeter = f.perimeter;
    d.tipArea = f.tip_area;
    d.outsideDiameter = f.outside_diameter;
    d.insideDiameter = f.inside_diameter;
    d.modulusOfElasticity = f.modulus_of_elasticity;
    d.totalPileLength = f.total_pile_length;
    d.stickupLength = f.stickup_length.value_or(0);
    d.enhancedEndSectionLength = f.enhanced_end_section_length;
    d.enhancedEndSectionInsideDiameter = f.enhanced_end_section_inside_diameter;
    d.zeroFrictionLength = f.zero_friction_length;
    d.computationIncrement = f.computation_increment;
    d.pileType = static_cast<PileType>(f.pile_type_code);
    d.taperAngle = f.taper_angle;
    d.deepestSoilDepth = f.deepest_soil_depth;
    d.crossSectionArea = f.cross_section_area;
}

void ProjectFile::methodsInto(ProjectData& d) const {
    d.loadTransferMethod = static_cast<Method>(records.load_transfer_method_code);
    d.reducedResistance = records.reduced_resistance_flag.value_or(0) == 1;
    if (const auto& flags = records.method_selection_flags) {
        for (std::size_t m = 0; m < d.selectedMethods.size(); ++m) d.selectedMethods[m] = (*flags)[m] == 1;
        return;
    }
    // Files of the previous version hold no selection flags; what they computed is in the method table.
    for (const MethodInfo& m : kMethods) {
        const bool offered = !m.cone_based || d.offshoreEdition;
        switch (m.previous_format) {
            case PreviousFormat::NotSelected:
                d.setSelected(m.method, false);
                break;
            case PreviousFormat::Selected:
                d.setSelected(m.method, offered);
                break;
            case PreviousFormat::SelectedWhenLoadTransfer:
                d.setSelected(m.method, offered && d.loadTransferMethod == m.method);
                break;
        }
    }
}

void ProjectFile::fillTables(ProjectTables& tables) const {
    const ProjectRecords& f = records;
    for (GridTable* t : tables.all()) {
        t->setRowCount(0);
        t->setUnits(unitSystemFromCode(f.unit_system_code));
    }
    fillSoilLayers(tables.soilLayers, f.soil_points);
    if (f.t_z_print_flag == 1) {
        tables.tzPrintDepths.setRowCount(static_cast<int>(f.t_z_print_depths.size()));
        for (std::size_t i = 0; i < f.t_z_print_depths.size(); ++i)
            tables.tzPrintDepths.cell(0, static_cast<int>(i)).setDouble(f.t_z_print_depths[i]);
    }
    tables.sectionAreas.setRowCount(static_cast<int>(f.section_rows.size()));
    for (std::size_t i = 0; i < f.section_rows.size(); ++i) {
        tables.sectionAreas.cell(0, static_cast<int>(i)).setDouble(f.section_rows[i].section_depth);
        tables.sectionAreas.cell(1, static_cast<int>(i)).setDouble(f.section_rows[i].cross_section_area);
    }
    for (GridTable* t : tables.all()) {
        // A single section row stays one row: the engine takes one row for an area varying with
        // depth, and a second, empty row would be saved as an area of 0, which it refuses.
        const bool asRead = t == &tables.sectionAreas && t->rowCount() > 0;
        if (!asRead && t->rowCount() < t->minRows()) t->setRowCount(t->minRows());
    }
}

ProjectFile ProjectFile::of(const ProjectData& d, const ProjectTables& tables) {
    ProjectFile file;
    ProjectRecords& f = file.records;
    f.title = d.title.toStdString();
    f.designer = d.designer.toStdString();
    f.job_number = d.jobNumber.toStdString();
    f.unit_system_code = static_cast<int>(d.units);
    f.print_interval = d.printInterval;
    f.perimeter = d.circular ? 0 : d.perimeter;
    f.tip_area = d.tipArea;
    f.outside_diameter = d.outsideDiameter;
    f.inside_diameter = d.insideDiameter;
    f.modulus_of_elasticity = d.modulusOfElasticity;
    f.total_pile_length = d.totalPileLength;
    f.stickup_length = d.stickupLength;
    f.enhanced_end_section_length = d.enhancedEndSectionLength;
    f.enhanced_end_section_inside_diameter = d.enhancedEndSectionInsideDiameter;
    f.zero_friction_length = d.zeroFrictionLength;
    f.computation_increment = d.computationIncrement;
    f.pile_type_code = static_cast<int>(d.pileType);
    f.taper_angle = d.taperAngle;
    f.load_transfer_method_code = code_of(d.loadTransferMethod);
    f.offshore_data_flag = d.offshoreEdition ? 1 : 0;
    f.reduced_resistance_flag = d.reducedResistance ? 1 : 0;
    MethodFlags flags{};
    for (std::size_t m = 0; m < flags.size(); ++m) flags[m] = d.selectedMethods[m] ? 1 : 0;
    f.method_selection_flags = flags;
    f.cross_section_area = d.crossSectionArea;
    file.tablesFrom(d, tables);
    f.loading_type_code = static_cast<int>(d.loadingType);
    f.tension_reduction_factor = d.tensionReductionFactor;
    f.clay_drainage_option = static_cast<int>(d.clayDrainage);
    f.plug_condition_code = static_cast<int>(d.plugCondition);
    f.unified_clay_base_option = static_cast<int>(d.unifiedClayBase);
    f.section_mode = static_cast<int>(d.sectionMode);
    f.critical_depth_option = static_cast<int>(d.criticalDepthOption);
    f.critical_depth = d.criticalDepth;
    f.working_load_fractions = d.workingLoadFractions;
    return file;
}

void ProjectFile::tablesFrom(const ProjectData& d, const ProjectTables& tables) {
    ProjectRecords& f = records;
    const GridTable& layers = tables.soilLayers;
    for (int i = 0; i < layers.rowCount(); ++i)
        for (int row = 0; row < 2; ++row) f.soil_points.push_back(soilPoint(layers, i, row));
    // The deepest soil depth the engine checks the pile against is the bottom of the last layer as
    // the table now holds it, not as some earlier file gave it.
    f.deepest_soil_depth = layers.rowCount() > 0
                               ? layers.cell(Tables::BottomDepthColumn, layers.rowCount() - 1).toDouble()
                               : d.deepestSoilDepth;
    f.t_z_print_flag = d.printExtraTz ? 1 : 0;
    if (d.printExtraTz)
        for (int i = 0; i < tables.tzPrintDepths.rowCount(); ++i)
            f.t_z_print_depths.push_back(tables.tzPrintDepths.cell(0, i).toDouble());
    // Section rows go with the varying mode only: the engine reads them for that mode alone, and any
    // other count would shift the critical-depth record it reads next.
    if (static_cast<int>(d.sectionMode) >= static_cast<int>(SectionMode::VaryingWithDepth)) {
        const GridTable& s = tables.sectionAreas;
        for (int i = 0; i < s.rowCount(); ++i)
            f.section_rows.push_back({s.cell(0, i).toDouble(), s.cell(1, i).toDouble()});
    }
    f.number_of_section_rows = static_cast<int>(f.section_rows.size());
}

}  // namespace torve::app
