// The platform contracts shared with the Windows tests, on the simulated desktop: the per-user
// store and the single-instance mutex.

#include <gtest/gtest.h>

#include "contract/single_instance_contract.h"
#include "contract/user_store_contract.h"
#include "platform/sim/sim_desktop.h"

namespace plv::contract {

class SimStoreEnv {
  public:
    SimStoreEnv() { sim_.StartProgram(); }
    UserStore& store() { return sim_.platform().store; }
    std::u16string program() const { return u"plv"; }

  private:
    sim::SimDesktop sim_;
};

class SimInstanceEnv {
  public:
    SimInstanceEnv() { sim_.StartProgram(); }
    ProcessEnv& processEnv() { return sim_.platform().env; }
    std::u16string UniqueName(const std::u16string& tag) const { return u"Local\\Parlevo." + tag; }
    void HoldInAnotherProcess(const std::u16string& name) { sim_.world().mutexes.insert(name); }

  private:
    sim::SimDesktop sim_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Sim, UserStoreContract, SimStoreEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Sim, SingleInstanceContract, SimInstanceEnv);

}  // namespace plv::contract
