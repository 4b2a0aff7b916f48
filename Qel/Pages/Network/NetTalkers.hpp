#pragma once
// The apps that have used the network, as the network page's map and strip share them.
#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

// The processes with counted traffic (a total above 0), most traffic right now first, then the
// larger total; equal ones keep the sample's order.
std::vector<ProcInfo> netTalkers(const std::vector<ProcInfo>& procs);

// How many of them move data right now (download plus upload above 0).
int onlineCount(const std::vector<ProcInfo>& talkers);

}  // namespace qel
