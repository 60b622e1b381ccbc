#pragma once
// Which ticks of a log axis carry a label: the roundest set whose labels do not overlap, so an axis over many
// decades labels every decade, or every second one, rather than a pile of figures.
#include <functional>
#include <vector>

namespace dorvik {

// `fits` says whether labels at the given ticks stand clear of each other.
std::vector<double> ThinTickLabels(const std::vector<double>& ticks,
                                   const std::function<bool(const std::vector<double>&)>& fits);

} // namespace dorvik
