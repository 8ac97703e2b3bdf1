// Texts the graph and soil profile drawings write.
#pragma once

#include <QLatin1StringView>

namespace torve::app::texts {

// A soil layer of the soil profile: "depth= 0 - 30; Sand".
inline constexpr QLatin1StringView kLayerDepth{"depth= "};
inline constexpr QLatin1StringView kDepthTo{" - "};
inline constexpr QLatin1StringView kSandLayer{"; Sand"};
inline constexpr QLatin1StringView kClayLayer{"; Clay"};

}  // namespace torve::app::texts
