// plv-sim: runs Parlevo on the simulated desktop from a scenario script.

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "main/engine_client.h"
#include "platform/sim/scenario.h"

namespace {

int Usage() {
    std::cerr << "usage: plv-sim [--trace] SCRIPT   (SCRIPT may be - for standard input)\n"
                 "       plv-sim --help           (the commands; docs/plv-sim.md describes them)\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    bool trace = false;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--trace") {
            trace = true;
        } else if (a == "--help") {
            std::cout << plv::sim::ScenarioRunner::Help();
            return 0;
        } else if (path.empty() && (a == "-" || a.rfind("--", 0) != 0)) {
            path = a;
        } else {
            return Usage();
        }
    }
    if (path.empty()) {
        return Usage();
    }
    std::string script;
    std::string dir = ".";
    if (path == "-") {
        script.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        std::ifstream f(path, std::ios::binary);
        if (!f) {
            std::cerr << "plv-sim: cannot read the script \"" << path << "\"\n";
            return 2;
        }
        script.assign(std::istreambuf_iterator<char>(f), {});
        auto slash = path.find_last_of('/');
        if (slash != std::string::npos) {
            dir = path.substr(0, slash);
        }
    }
    int status = 0;
    {
        plv::sim::ScenarioRunner runner(std::cout, trace, dir);
        runner.desktop().world().engineTranslate = plv::EngineTranslate;
        runner.desktop().world().engineDirectionName = plv::EngineDirectionName;
        status = runner.Run(script);
    }
    std::cout.flush();
    return status;
}
