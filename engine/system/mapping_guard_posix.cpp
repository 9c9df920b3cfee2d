#include "engine/system/mapping_guard.h"

#include <atomic>
#include <csignal>
#include <cstdint>
#include <mutex>

#include <sys/mman.h>
#include <unistd.h>

namespace velandry {

namespace {

// The mappings being read, for the SIGBUS handler. A handler may touch only
// lock-free state: a fixed set of slots of atomics.
struct GuardedMapping
{
    std::atomic<std::uintptr_t> begin{0};
    std::atomic<std::uintptr_t> end{0};
    std::atomic<bool> faulted{false};
};
constexpr int kGuardSlots = 16;
GuardedMapping guardedMappings[kGuardSlots];
struct sigaction previousBusAction;
std::uintptr_t pageSize = 4096;

void onBusError(int signal, siginfo_t *info, void *context)
{
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (GuardedMapping &mapping : guardedMappings) {
        const std::uintptr_t end = mapping.end.load();
        const std::uintptr_t begin = mapping.begin.load();
        if (begin == 0 || address < begin || address >= end)
            continue;
        // The file ends before this page now: zeros from here to the end of
        // the mapping, in one step, and the read that faulted runs again.
        const std::uintptr_t from = address & ~(pageSize - 1);
        const std::uintptr_t to = (end + pageSize - 1) & ~(pageSize - 1);
        if (::mmap(reinterpret_cast<void *>(from), to - from, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1,
                   0)
            != MAP_FAILED) {
            mapping.faulted.store(true);
            return;
        }
    }
    // Not a read of ours: whoever handled SIGBUS before us (a sanitizer), or
    // the default, which ends the process when the read runs again.
    if ((previousBusAction.sa_flags & SA_SIGINFO) && previousBusAction.sa_sigaction) {
        previousBusAction.sa_sigaction(signal, info, context);
        return;
    }
    if (previousBusAction.sa_handler != SIG_DFL && previousBusAction.sa_handler != SIG_IGN) {
        previousBusAction.sa_handler(signal);
        return;
    }
    std::signal(SIGBUS, SIG_DFL);
}

void installBusHandler()
{
    pageSize = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    struct sigaction action = {};
    action.sa_sigaction = onBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &previousBusAction);
}

} // namespace

MappingGuard::MappingGuard(const void *begin, qsizetype size)
{
    if (!begin || size <= 0)
        return;
    static std::once_flag installed;
    std::call_once(installed, installBusHandler);
    for (int i = 0; i < kGuardSlots; ++i) {
        std::uintptr_t free = 0;
        if (guardedMappings[i].begin.compare_exchange_strong(free, std::uintptr_t(-1))) {
            guardedMappings[i].faulted.store(false);
            guardedMappings[i].end.store(reinterpret_cast<std::uintptr_t>(begin) + std::uintptr_t(size));
            guardedMappings[i].begin.store(reinterpret_cast<std::uintptr_t>(begin));
            slot_ = i;
            return;
        }
    }
    // More files read at once than slots: this one stays unguarded.
}

MappingGuard::~MappingGuard()
{
    if (slot_ < 0)
        return;
    guardedMappings[slot_].end.store(0);
    guardedMappings[slot_].begin.store(0);
}

bool MappingGuard::faulted() const
{
    return slot_ >= 0 && guardedMappings[slot_].faulted.load();
}

} // namespace velandry
