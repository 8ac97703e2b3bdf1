// Input data files built in code: records of a small test project, written by the codec.
#include "tests/support/project_text.h"

#include "engine/model/project_codec.h"

namespace torve::test {
namespace {

std::pair<SoilPointRecord, SoilPointRecord> layer(double top, double bottom, const SoilPointRecord& p) {
    SoilPointRecord a = p, b = p;
    a.depth = top;
    b.depth = bottom;
    return {a, b};
}

}  // namespace

ProjectRecords project() {
    ProjectRecords r;
    r.title = "Test pile";
    r.designer = "Tester";
    r.job_number = "T-1";
    r.outside_diameter = 24;
    r.modulus_of_elasticity = 29e6;
    r.total_pile_length = 60;
    r.computation_increment = 1;
    (*r.method_selection_flags)[index_of(Method::Api)] = 1;
    r.deepest_soil_depth = 100;
    return r;
}

std::pair<SoilPointRecord, SoilPointRecord> sand_layer(double top, double bottom, double gamma, double phi,
                                                       double k, double nq) {
    SoilPointRecord p;
    p.soil_type_code = 1;
    p.effective_unit_weight = gamma;
    p.friction_angle = phi;
    p.coefficient_of_lateral_earth_pressure = k;
    p.bearing_capacity_factor = nq;
    return layer(top, bottom, p);
}

std::pair<SoilPointRecord, SoilPointRecord> clay_layer(double top, double bottom, double gamma, double su,
                                                       double sur) {
    SoilPointRecord p;
    p.soil_type_code = 2;
    p.effective_unit_weight = gamma;
    p.undrained_shear_strength = su;
    p.remolded_shear_strength_or_blow_count = sur;
    return layer(top, bottom, p);
}

void add_layer(ProjectRecords& records, const std::pair<SoilPointRecord, SoilPointRecord>& layer) {
    records.soil_points.push_back(layer.first);
    records.soil_points.push_back(layer.second);
}

std::string text_of(const ProjectRecords& records) {
    return write_project_records(records, WriteStyle::AsHeld);
}

std::string cpt_text(int units, const std::vector<std::pair<double, double>>& rows) {
    CptProfile profile{units, {}};
    for (const auto& [depth, qc] : rows) profile.points.push_back({depth, qc});
    return write_cpt_records(profile);
}

}  // namespace torve::test
