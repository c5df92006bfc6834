// The UI contract on the simulated desktop.

#include "contract/ui_contract.h"
#include "platform/sim/sim_desktop.h"

namespace plv::contract {
namespace {

class SimUiEnv {
  public:
    SimUiEnv() { sim_.StartProgram(); }
    EventLoop& loop() { return sim_.platform().loop; }
    Ui& ui() { return sim_.platform().ui; }
    Desktop& desktop() { return sim_.platform().desktop; }
    // Time passes in the program's message loop.
    void Pass(std::int64_t ms) { sim_.Wait(ms); }
    // Time passes inside a handler that sleeps and pumps, as a glide does.
    void PassInside(std::int64_t ms) {
        for (std::int64_t t = 0; t < ms; t += 10) {
            loop().Sleep(10);
            loop().PumpMessages();
        }
    }

  private:
    sim::SimDesktop sim_;
};

using Envs = ::testing::Types<SimUiEnv>;
INSTANTIATE_TYPED_TEST_SUITE_P(Sim, UiContract, Envs);

}  // namespace
}  // namespace plv::contract
