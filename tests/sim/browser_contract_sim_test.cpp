// The Browser's contract on the simulated desktop's page model.

#include "contract/browser_contract.h"
#include "platform/sim/sim_desktop.h"

namespace plv::contract {
namespace {

class SimBrowserEnv {
  public:
    SimBrowserEnv() {
        sim_.StartProgram();
        auto& page = sim_.world().page;
        page.fromto = u"English \u00BB Spanish";
        page.version = u"1.1.21";
        page.download = u"https://parlevo.example/download";
    }
    Browser& browser() { return sim_.platform().browser; }
    // The simulated page loads after readyMs whatever the address; the kinds are its settings.
    std::u16string PageUrl(PageKind kind) {
        auto& page = sim_.world().page;
        page.never = kind == PageKind::Unreachable;
        page.readyMs = kind == PageKind::Hanging ? 3600 * 1000 : 300;
        switch (kind) {
            case PageKind::Service:
                return u"http://127.0.0.1:8723/?dir=en-es";
            case PageKind::Unreachable:
                return u"http://127.0.0.1:9/";
            case PageKind::Hanging:
                return u"http://127.0.0.1:8724/";
        }
        return {};
    }
    void Pass(std::int64_t ms) { sim_.Wait(ms); }
    std::string Unavailable() { return {}; }

  private:
    sim::SimDesktop sim_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Sim, BrowserContract, SimBrowserEnv);

}  // namespace
}  // namespace plv::contract
