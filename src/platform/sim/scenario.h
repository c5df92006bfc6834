#pragma once
// plv-sim's interpreter: runs the real program on the simulated desktop from a script and prints
// what a user would see. The command language is described in docs/plv-sim.md.

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"

namespace plv {
class App;
}

namespace plv::sim {

class SimUi;

class ScenarioRunner {
  public:
    // scriptDir: where paths in the script are relative to.
    ScenarioRunner(std::ostream& out, bool trace, std::string scriptDir);
    ~ScenarioRunner();
    ScenarioRunner(const ScenarioRunner&) = delete;
    ScenarioRunner& operator=(const ScenarioRunner&) = delete;

    // Runs the whole script; returns the exit status: 0 when every expect held, 1 at the first
    // expect that failed, 2 on a script error.
    int Run(const std::string& script);
    // Runs more lines after what ran before (for drivers that decide as they go); the status so far.
    int RunMore(const std::string& lines);
    // What `print NAME` would show after "NAME = ".
    std::string Value(const std::string& name);
    // Whether `click TARGET` would find the control on the screen.
    bool Clickable(const std::string& target);
    // Every command with its arguments, one a line (plv-sim --help).
    static std::string Help();

    SimDesktop& desktop() { return sim_; }
    App* app() { return app_.get(); }

  private:
    struct Token {
        std::string text;
        bool quoted = false;
        std::size_t end = 0;  // offset just past the token in its line
    };
    struct Line {
        int number = 0;
        std::string text;
    };

    void RunNested(const std::function<bool()>& done);
    void Execute(const Line& line);
    void Dispatch(const std::string& raw, const std::vector<Token>& tokens);
    // A command of the language: its arguments as --help shows them, and what runs it (given the
    // whole line and its tokens, the command's name first).
    // When a command may come: any time, only before start (it describes the start), or only
    // once the program runs.
    enum class When { Any, BeforeStart, AfterStart };
    struct Command {
        const char* syntax;
        std::size_t minArgs;
        std::size_t maxArgs;
        When when;
        void (ScenarioRunner::*run)(const std::string& raw, const std::vector<Token>& tokens);
    };
    static const std::map<std::string, Command>& Commands();
    void CmdObserve(const std::string& raw, const std::vector<Token>& tokens);
    void CmdSetting(const std::string& raw, const std::vector<Token>& tokens);
    void CmdSettingsFile(const std::string& raw, const std::vector<Token>& tokens);
    void CmdNoSettingsFile(const std::string& raw, const std::vector<Token>& tokens);
    void CmdExe(const std::string& raw, const std::vector<Token>& tokens);
    void CmdVersion(const std::string& raw, const std::vector<Token>& tokens);
    void CmdArgs(const std::string& raw, const std::vector<Token>& tokens);
    void CmdAnotherInstance(const std::string& raw, const std::vector<Token>& tokens);
    void CmdScreen(const std::string& raw, const std::vector<Token>& tokens);
    void CmdMonitor(const std::string& raw, const std::vector<Token>& tokens);
    void CmdUnplugMonitor(const std::string& raw, const std::vector<Token>& tokens);
    void CmdTwips(const std::string& raw, const std::vector<Token>& tokens);
    void CmdDpi(const std::string& raw, const std::vector<Token>& tokens);
    void CmdSwapButtons(const std::string& raw, const std::vector<Token>& tokens);
    void CmdOs(const std::string& raw, const std::vector<Token>& tokens);
    void CmdTimeOfDay(const std::string& raw, const std::vector<Token>& tokens);
    void CmdRegistry(const std::string& raw, const std::vector<Token>& tokens);
    void CmdApp(const std::string& raw, const std::vector<Token>& tokens);
    void CmdKey(const std::string& raw, const std::vector<Token>& tokens);
    void CmdShell(const std::string& raw, const std::vector<Token>& tokens);
    void CmdClick(const std::string& raw, const std::vector<Token>& tokens);
    void CmdSelect(const std::string& raw, const std::vector<Token>& tokens);
    void CmdPrimary(const std::string& raw, const std::vector<Token>& tokens);
    void CmdNoHash2(const std::string& raw, const std::vector<Token>& tokens);
    void CmdClipboard(const std::string& raw, const std::vector<Token>& tokens);
    void CmdPage(const std::string& raw, const std::vector<Token>& tokens);
    void CmdService(const std::string& raw, const std::vector<Token>& tokens);
    void CmdStart(const std::string& raw, const std::vector<Token>& tokens);
    void CmdWait(const std::string& raw, const std::vector<Token>& tokens);
    void CmdForeground(const std::string& raw, const std::vector<Token>& tokens);
    void CmdTray(const std::string& raw, const std::vector<Token>& tokens);
    void CmdMenu(const std::string& raw, const std::vector<Token>& tokens);
    void CmdCloseMain(const std::string& raw, const std::vector<Token>& tokens);
    void CmdMove(const std::string& raw, const std::vector<Token>& tokens);
    void CmdPressOrRelease(const std::string& raw, const std::vector<Token>& tokens);
    void CmdDrag(const std::string& raw, const std::vector<Token>& tokens);
    void CmdSelectPopup(const std::string& raw, const std::vector<Token>& tokens);
    void CmdTaskbarRestart(const std::string& raw, const std::vector<Token>& tokens);

    std::string Show(const std::string& name);
    // A name scripts can print: an exact name, or a prefix followed by an argument.
    struct Observable {
        bool prefix;
        std::string (ScenarioRunner::*show)(const std::string& name);
    };
    static const std::map<std::string, Observable>& Observables();
    std::string MenuItemShown(std::uint32_t id);
    std::string ShowRunning(const std::string& name);
    std::string ShowRegistry(const std::string& name);
    std::string ShowTrayIcon(const std::string& name);
    std::string ShowTrayTip(const std::string& name);
    std::string ShowMenuOpen(const std::string& name);
    std::string ShowMessagebox(const std::string& name);
    std::string ShowClipboard(const std::string& name);
    std::string ShowClipboardText(const std::string& name);
    std::string ShowClipboardSequence(const std::string& name);
    std::string ShowClipboardOpens(const std::string& name);
    std::string ShowPrimary(const std::string& name);
    std::string ShowKeys(const std::string& name);
    std::string ShowPageUrl(const std::string& name);
    std::string ShowService(const std::string& name);
    std::string ShowPageEngine(const std::string& name);
    std::string ShowPageNavigations(const std::string& name);
    std::string ShowPageSent(const std::string& name);
    std::string ShowPageRequests(const std::string& name);
    std::string ShowShellOrStarted(const std::string& name);
    std::string ShowLabel(const std::string& name);
    std::string ShowIconOrPopup(const std::string& name);
    std::string ShowCacheCount(const std::string& name);
    std::string ShowGliding(const std::string& name);
    std::string ShowAbout(const std::string& name);
    std::string ShowTimer(const std::string& name);
    std::string ShowMainVisible(const std::string& name);
    std::string ShowMenuEnable(const std::string& name);
    std::string ShowMenuConnect(const std::string& name);
    std::string ShowSetting(const std::string& name);
    std::string ShowColors(const std::string& name);
    std::string ShowButtons(const std::string& name);
    std::string ShowAppVersion(const std::string& name);
    std::string ShowLatestVersion(const std::string& name);
    std::string ShowDownloadLink(const std::string& name);
    std::string ShowBalloon(const std::string& name);
    std::string ShowConnected(const std::string& name);
    std::string ShowEnabled(const std::string& name);
    std::string ShowCurrentExe(const std::string& name);

    void Click(const std::string& target, const std::string& button);
    SimUi& ui();

    void RequireArgs(const std::vector<Token>& t, std::size_t min, std::size_t max) const;
    // The running program; a script error before start.
    App& RequireStarted() const;
    void RequireNotStarted(const std::string& command) const;
    void SetSetting(const std::string& key, const std::string& value);
    std::vector<std::uint8_t> SettingsBytes() const;

    std::ostream& out_;
    bool trace_;
    std::string scriptDir_;
    SimDesktop sim_;
    std::unique_ptr<App> app_;
    std::vector<Line> lines_;
    std::size_t pc_ = 0;
    int status_ = 0;
    bool stop_ = false;
    int currentLine_ = 0;
    // The settings file until start: its lines without line ends, or nothing when there is none.
    std::optional<std::vector<std::u16string>> settingsLines_;
    std::optional<std::vector<std::uint8_t>> settingsRaw_;
};

}  // namespace plv::sim
