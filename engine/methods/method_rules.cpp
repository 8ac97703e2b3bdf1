// The routines of every method of the method table, gathered at compile time from the methods' own
// headers, which the build includes from its list of methods.
#include "engine/methods/method_rules.h"

#include <array>
#include <utility>

#include "generated/method_headers.h"

namespace torve {
namespace {

// The compiler names the method M of a failing check in the instantiation it reports. Under GCC's
// null sanitizer a function's address is no constant, so the sanitized build leaves these checks to
// the ordinary one.
template <Method M>
consteval MethodRules checked_rules() {
    constexpr MethodRules r = method_rules<M>;
#ifndef TORVE_NULL_SANITIZED
    constexpr bool design = r.side_friction != nullptr && r.end_bearing != nullptr;
    constexpr bool own = r.capacity != nullptr;
    static_assert(design || own,
                  "a method has no rules: its header specialises method_rules<Method::X>, and its name "
                  "stands in TORVE_METHODS of engine/CMakeLists.txt");
    static_assert(!(design && own), "a method gives both a capacity routine and design rules");
    static_assert(r.side_friction == nullptr || r.end_bearing != nullptr,
                  "side friction without end bearing");
    constexpr bool own_curves = r.sand_shaft_curve != nullptr && r.sand_base_curve != nullptr;
    static_assert((method_info(M).curve_shapes == CurveShapes::Own) == own_curves,
                  "a method with curves of its own in the method table gives both curves in its rules, and "
                  "only such a method does");
#endif
    return r;
}

template <std::size_t... I>
consteval std::array<MethodRules, kMethodCount> all_rules(std::index_sequence<I...>) {
    return {checked_rules<static_cast<Method>(I + 1)>()...};
}

constexpr std::array<MethodRules, kMethodCount> kRules = all_rules(std::make_index_sequence<kMethodCount>{});

}  // namespace

const MethodRules& rules_of(Method m) {
    return kRules[index_of(m)];
}

CapacityCurve method_capacity(Method method, const MethodInputs& inputs) {
    const MethodRules& r = rules_of(method);
    if (r.capacity) return r.capacity(inputs);
    return design_method_capacity({method, r.side_friction, r.end_bearing}, inputs);
}

}  // namespace torve
