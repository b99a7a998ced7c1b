// The benchmark groups of orvane-bench and the names the summary table reads them by.
#pragma once

namespace orvane::bench {

inline constexpr const char* kFloorPrefix = "floor/";   // one C library call, or the bare loop
inline constexpr const char* kOperationPrefix = "op/";  // one pure operation
inline constexpr const char* kTapPrefix = "tap/";       // one Calculate tap on the headless host
inline constexpr const char* kTimedPrefix = "timed/";   // one call held to a time of its own
inline constexpr const char* kLoopName = "loop";  // floor/loop: reading a case, keeping a value

// Targets: an operation within this many times the cost of its library calls; a tap within
// this many microseconds.
inline constexpr double kOperationTarget = 3.0;
inline constexpr double kTapTargetMicroseconds = 20.0;
// The World Magnetic Model sums 90 terms per call: it is held to a time, not to its few calls.
inline constexpr double kTimedTargetMicroseconds = 3.0;

void registerCalculationBenchmarks();
void registerTapBenchmarks();
void registerTimedBenchmarks();

}  // namespace orvane::bench
