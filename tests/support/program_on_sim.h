#pragma once
// The program on a simulated desktop, started from a settings file (the shipped one unless a
// test gives another, or none): what most unit tests of the program begin with.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "app/startup.h"
#include "core/app.h"
#include "platform/sim/default_settings.h"
#include "platform/sim/sim_desktop.h"

namespace plv {

struct ProgramOnSim {
    explicit ProgramOnSim(
        const std::optional<std::vector<std::uint8_t>>& settingsFile = sim::DefaultSettingsFile()) {
        if (settingsFile) {
            sim.world().files[u"c:\\program files\\parlevo\\plv.ini"] = *settingsFile;
        }
    }
    // The process starts and runs its start-up.
    void Start() {
        sim.StartProgram();
        app = std::make_unique<App>(sim.platform());
        Main(*app);
    }
    sim::SimDesktop sim;
    std::unique_ptr<App> app;
};

}  // namespace plv
