// The simulated print dialog and the global memory blocks it hands out.
#include "platform/sim/sim_platform.h"

namespace cz::sim {

std::uintptr_t SimPlatform::addGlobalBlock() {
    auto memory = std::make_unique<char[]>(16);
    auto address = reinterpret_cast<std::uintptr_t>(memory.get());
    globalBlocks_[address] = std::move(memory);
    handOut("global block", address);
    return address;
}

bool SimPlatform::PrintDlgA(PrintDlgRecord& record) {
    enter("PrintDlgA");
    DialogOpen open{*this};
    PrintDialogRun run{record, (record.Flags & kPrintReturnDefault) == 0};
    bool confirmed = printUser ? printUser(record) : false;
    printDialogs.push_back(run);
    return confirmed;
}

std::uintptr_t SimPlatform::GlobalFree(std::uintptr_t block) {
    releaseCall("global block", block);
    enter("GlobalFree");
    ++globalFrees[block];
    return globalBlocks_.erase(block) ? 0 : block;  // not a live block: the system reports failure
}

}  // namespace cz::sim
