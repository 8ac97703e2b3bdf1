// Fixed table sizes of one analysis run; input beyond them is refused with a located message.
#pragma once

namespace torve {

inline constexpr int kMaxSoilPoints = 80;         // two points (top and bottom) per soil layer
inline constexpr int kMaxSegments = 500;          // soil segments of one increment length each
inline constexpr int kMaxTzPrintDepths = 100;     // extra t-z curve depths for verification
inline constexpr int kMaxSectionRows = 100;       // rows of the cross-section area table
inline constexpr int kMaxCptRows = 1000;          // depth/qc pairs of the CPT profile
inline constexpr int kMaxTitleChars = 72;         // title, designer and job number lines
inline constexpr int kMaxPathChars = 255;         // paths in the file of names
inline constexpr int kVersionChars = 12;          // version string printed in the banner
inline constexpr int kIdentificationChars = 256;  // identification lines of the file of names

}  // namespace torve
