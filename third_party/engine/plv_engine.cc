// plv-engine: the Apertium programs that the language pairs' modes run, and the HTML format processors,
// in one Windows executable.
//
// Seventeen static executables would each carry their own copy of ICU; one that holds them all is a
// small fraction of the size. The program to run is picked like a multi-call binary: by the base name of
// argv[0]
// ("lt-proc", "C:\...\apertium-tagger.exe"), so that the server can start plv-engine.exe with a command
// line whose first word is the program's name; or, when started under its own name, by the first
// argument ("plv-engine lt-proc -z file.bin"), which then becomes that program's argv[0].
//
// Each upstream main() is compiled under another name (-Dmain=lt_proc_main and so on) and declared here.

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int lt_proc_main(int argc, char* argv[]);
int apertium_tagger_main(int argc, char* argv[]);
int apertium_pretransfer_main(int argc, char* argv[]);
int apertium_transfer_main(int argc, char* argv[]);
int apertium_interchunk_main(int argc, char* argv[]);
int apertium_postchunk_main(int argc, char* argv[]);
int apertium_wblank_attach_main(int argc, char* argv[]);
int apertium_wblank_detach_main(int argc, char* argv[]);
int apertium_wblank_mode_main(int argc, char* argv[]);
int apertium_posttransfer_main(int argc, char* argv[]);
int lrx_proc_main(int argc, char* argv[]);
int cg_proc_main(int argc, char* argv[]);
int lsx_proc_main(int argc, char* argv[]);
int rtx_proc_main(int argc, char* argv[]);
int apertium_anaphora_main(int argc, char* argv[]);
int apertium_deshtml_main(int argc, char* argv[]);
int apertium_rehtml_main(int argc, char* argv[]);

namespace {

struct Program {
    const char* name;
    int (*run)(int argc, char* argv[]);
};

const Program kPrograms[] = {
    {"lt-proc", lt_proc_main},
    {"apertium-tagger", apertium_tagger_main},
    {"apertium-pretransfer", apertium_pretransfer_main},
    {"apertium-transfer", apertium_transfer_main},
    {"apertium-interchunk", apertium_interchunk_main},
    {"apertium-postchunk", apertium_postchunk_main},
    {"apertium-wblank-attach", apertium_wblank_attach_main},
    {"apertium-wblank-detach", apertium_wblank_detach_main},
    {"apertium-wblank-mode", apertium_wblank_mode_main},
    {"apertium-posttransfer", apertium_posttransfer_main},
    {"lrx-proc", lrx_proc_main},
    {"cg-proc", cg_proc_main},
    {"lsx-proc", lsx_proc_main},
    {"rtx-proc", rtx_proc_main},
    {"apertium-anaphora", apertium_anaphora_main},
    {"apertium-deshtml", apertium_deshtml_main},
    {"apertium-rehtml", apertium_rehtml_main},
};

const char kSelf[] = "plv-engine";

// The program name in a path: without the directories (either slash), without a final ".exe", in lower
// case (Windows file names are case-insensitive, and so is the name a user types).
std::string ProgramName(const char* path) {
    std::string name = path;
    const auto slash = name.find_last_of("/\\");
    if (slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    for (char& c : name) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::string exe = ".exe";
    if (name.size() > exe.size() && name.compare(name.size() - exe.size(), exe.size(), exe) == 0) {
        name.erase(name.size() - exe.size());
    }
    return name;
}

const Program* Find(const std::string& name) {
    for (const Program& program : kPrograms) {
        if (name == program.name) {
            return &program;
        }
    }
    return nullptr;
}

int Usage(const std::string& name) {
    if (!name.empty()) {
        std::fprintf(stderr, "plv-engine: unknown program \"%s\"\n", name.c_str());
    }
    std::fprintf(stderr,
                 "usage: plv-engine PROGRAM [ARGUMENTS...], or run under a program's name\nprograms:\n");
    for (const Program& program : kPrograms) {
        std::fprintf(stderr, "  %s\n", program.name);
    }
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 1 || argv[0] == nullptr) {
        return Usage("");
    }
    std::string name = ProgramName(argv[0]);
    if (name == kSelf) {
        if (argc < 2) {
            return Usage("");
        }
        --argc;
        ++argv;
        name = ProgramName(argv[0]);
    }
    const Program* program = Find(name);
    if (program == nullptr) {
        return Usage(name);
    }
#ifdef _WIN32
    // The stream is bytes of UTF-8 with NUL flushes between blocks. In the C runtime's default text mode
    // every LF written would become CR LF and a 0x1A byte in the user's text would end the input, so both
    // standard streams switch to binary before the program reads or writes anything. Files that the
    // programs open without "b" (apertium-tagger opens its .prob with a std::ifstream, for one) get binary
    // as their default too, so that every file reads as the same bytes as on Linux.
    // (_set_fmode is not in every msvcrt.dll; the variable is.)
    _fmode = _O_BINARY;
    if (_setmode(_fileno(stdin), _O_BINARY) == -1 || _setmode(_fileno(stdout), _O_BINARY) == -1) {
        std::fprintf(stderr, "plv-engine: cannot switch the standard streams to binary mode\n");
        return 1;
    }
#endif
    return program->run(argc, argv);
}
