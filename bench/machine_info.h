// The machine a run measured: printed with every set of figures.
#pragma once
#include <string>

namespace ptrbench {

// "CPU: ..., cores: N, memory: N MiB" and the Wine and Linux versions, one per line.
std::string MachineDescription();
// The Linux load averages of the last 1, 5 and 15 minutes ("" when unknown).
std::string LoadAverage();

}  // namespace ptrbench
