#pragma once
// The program's process on a simulated desktop without its start-up: a unit test of the popup or
// of the capture makes just the forms it works with, and nothing else of the program runs.

#include <memory>

#include "app/startup.h"
#include "core/app.h"
#include "platform/sim/sim_desktop.h"

namespace plv {

struct FormsOnSim {
    // The process starts; App knows the system's version, as start-up would have told it.
    void Start() {
        sim.StartProgram();
        app = std::make_unique<App>(sim.platform());
        DetectOsVersion(*app);
    }
    // Makes and loads one form of the program.
    template <typename F>
    F& Make(Owned<F>& form) {
        form = MakeOwned<F>(*app);
        form->Load();
        return *form;
    }
    sim::SimDesktop sim;
    std::unique_ptr<App> app;
};

}  // namespace plv
