// Any bytes as plv.ini. Start-up either refuses the file with its one message and exit code 2,
// having changed nothing, or the program runs; then a selection is translated and shown in the
// popup, which reads the settings that start-up leaves to later. Whatever the bytes, nothing may
// crash, hang, leak or overflow.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "core/settings.h"
#include "platform/sim/scenario.h"
#include "require.h"

namespace {

void Require(bool ok, const char* what) {
    plv::fuzz::Require(ok, "fuzz_settings", what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plv;
    std::vector<std::uint8_t> bytes(data, data + size);

    // The reader on its own, as the program calls it.
    SettingsCollection settings;
    ParseSettingsText(DecodeUtf16Le(bytes), settings);

    std::ostringstream out;
    sim::ScenarioRunner runner(out, false, ".");
    runner.Run(
        "no-settings-file\n"
        "app winword.exe \"a sentence to translate\"\n"
        "registry winword.exe -1\n"
        "page answer \"una frase\"\n");
    sim::SimWorld& w = runner.desktop().world();
    w.files[u"c:\\program files\\parlevo\\plv.ini"] = bytes;
    const auto registry = w.registry;
    runner.RunMore("start\n");

    if (w.state != sim::ProgramState::Running) {
        Require(w.state == sim::ProgramState::Exited && w.exitCode == 2,
                "start-up ended without exit code 2");
        Require(
            w.lastMessageBox.has_value() && w.lastMessageBox->text.rfind(u"Parlevo cannot start: ", 0) == 0,
            "start-up ended without its message");
        Require(w.registry == registry && !w.tray.present && w.page.navigations == 0,
                "start-up changed something before it refused the settings");
        return 0;
    }
    Require(!w.lastMessageBox.has_value(), "a running program showed a start-up message");

    runner.RunMore(
        "wait 500\n"
        "foreground winword.exe\n"
        "wait 50\n"
        "drag 100 100 200 100\n"
        "wait 50\n");
    if (runner.Clickable("icon")) {
        runner.RunMore("click icon\nwait 1500\n");
    }
    return 0;
}
