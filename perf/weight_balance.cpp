#include "perf/weight_balance.hpp"

#include <cmath>
#include <limits>

namespace orvane {

WeightBalance sumWeightBalance(const std::array<StationLoad, kWeightBalanceStations>& stations) {
    WeightBalance wb{};
    for (std::size_t i = 0; i < stations.size(); ++i) {
        const double moment = stations[i].arm * stations[i].weight;
        wb.moments[i] = moment;
        // The first station sets the total weight, each later one adds to it.
        wb.totalWeight = i == 0 ? stations[i].weight : wb.totalWeight + stations[i].weight;
        wb.totalMoment += moment;
    }
    // A total weight of zero or less gives 0.0, never a division. A total that is not a number at
    // all gives no centre of gravity rather than a plausible 0.00.
    if (!std::isfinite(wb.totalWeight)) {
        wb.centreOfGravity = std::numeric_limits<double>::quiet_NaN();
    } else {
        wb.centreOfGravity = wb.totalWeight > 0.0 ? wb.totalMoment / wb.totalWeight : 0.0;
    }
    return wb;
}

}  // namespace orvane
