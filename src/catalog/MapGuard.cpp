#include "catalog/MapGuard.h"

#include <sys/mman.h>
#include <unistd.h>
#include <atomic>
#include <csignal>
#include <cstdint>

namespace corkwise::map_guard {

namespace {

struct Slot {
    std::atomic<std::uintptr_t> start{0};
    std::atomic<std::uintptr_t> length{0};
    std::atomic<bool> faulted{false};
};

constexpr int kSlots = 32;
Slot gSlots[kSlots];
std::uintptr_t gPageSize = 4096;

extern "C" void onBusError(int number, siginfo_t* info, void* /*context*/) {
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (Slot& slot : gSlots) {
        const std::uintptr_t start = slot.start.load();
        if (start != 0 && address >= start && address - start < slot.length.load()) {
            // The file behind this page is gone: zeros take its place and the read goes on.
            void* page = reinterpret_cast<void*>(address & ~(gPageSize - 1));
            if (::mmap(page, gPageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1,
                       0) != MAP_FAILED) {
                slot.faulted.store(true);
                return;
            }
        }
    }
    // Not ours: the default action, as if no handler were installed.
    ::signal(number, SIG_DFL);
    ::raise(number);
}

void installOnce() {
    static const bool installed = [] {
        gPageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        struct sigaction action {};
        action.sa_sigaction = onBusError;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        return ::sigaction(SIGBUS, &action, nullptr) == 0;
    }();
    Q_UNUSED(installed);
}

}  // namespace

bool watch(const uchar* start, qint64 length) {
    installOnce();
    for (Slot& slot : gSlots) {
        std::uintptr_t empty = 0;
        // Length 0 until the slot is ours: nothing has been read from the new map yet.
        if (slot.start.compare_exchange_strong(empty, reinterpret_cast<std::uintptr_t>(start))) {
            slot.faulted.store(false);
            slot.length.store(static_cast<std::uintptr_t>(length));
            return true;
        }
    }
    return false;
}

void forget(const uchar* start) {
    for (Slot& slot : gSlots) {
        if (slot.start.load() == reinterpret_cast<std::uintptr_t>(start)) {
            slot.length.store(0);
            slot.start.store(0);
        }
    }
}

bool faulted(const uchar* start) {
    for (const Slot& slot : gSlots) {
        if (slot.start.load() == reinterpret_cast<std::uintptr_t>(start)) {
            return slot.faulted.load();
        }
    }
    return false;
}

bool active() {
    installOnce();
    struct sigaction current {};
    return ::sigaction(SIGBUS, nullptr, &current) == 0 && (current.sa_flags & SA_SIGINFO) != 0 &&
           current.sa_sigaction == onBusError;
}

}  // namespace corkwise::map_guard
