#pragma once
#include "platform/Platform.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimLog.h"
#include "platform/sim/SimLoop.h"
#include "platform/sim/SimNetwork.h"
#include "platform/sim/SimRegistryStore.h"
#include "platform/sim/SimShell.h"

namespace plat {

// One simulated process's system: every part simulated and open to the test. Processes
// that should see each other's window titles share one title registry.
struct SimPlatform {
    explicit SimPlatform(std::shared_ptr<SimShell::Titles> titles = std::make_shared<SimShell::Titles>())
        : shell(std::move(titles)) {}
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    SimLoop loop;
    SimDesktop desktop{loop, SimDesktop::Mode::Recording};
    SimNetwork network{loop};
    SimShell shell;
    SimRegistryStore registry;
    SimLog log;
    Platform platform{loop, desktop, network, shell, registry, log};
};

} // namespace plat
