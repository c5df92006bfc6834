// A stand-in for an Apertium stage in null-flush mode, the same on POSIX and Windows, for the
// pipeline tests. It streams: each byte read is answered at once, so a long request meets a
// full answer pipe just as it would with a real chain. At end of input it writes a NUL and
// exits, as Apertium's stages do.
//
// usage: stage_prog MODE [ARG]   or, named MODE (argv[0]'s base name), stage_prog [ARG]
//   echo          copy the input
//   upper         copy it with a-z in upper case
//   exit-after N  copy N records, then exit with code 3 on the first byte of the next one
//   hang          read nothing, answer nothing; exit after 60 s (the test kills it before)
//   flood         write without end, never a NUL
//   run OUT ERR CODE  write OUT to stdout, ERR to stderr, exit with CODE
//   args          write each argument after the mode followed by '|'
//   apertium-wblank-mode -z FILE  write FILE's first line (a mode file's pipeline as it is)
// Any other name runs as echo, so a copy named lt-proc.exe or plv-engine.exe passes text through.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#else
#include <unistd.h>
#endif

namespace {

long ReadSome(char* buf, std::size_t n) {
#ifdef _WIN32
    return _read(0, buf, static_cast<unsigned>(n));
#else
    return static_cast<long>(::read(0, buf, n));
#endif
}

void WriteAll(int fd, const char* data, std::size_t n) {
    while (n > 0) {
#ifdef _WIN32
        const long w = _write(fd, data, static_cast<unsigned>(n));
#else
        const long w = static_cast<long>(::write(fd, data, n));
#endif
        if (w <= 0) std::exit(1);  // the reader is gone
        data += w;
        n -= static_cast<std::size_t>(w);
    }
}

std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
    (void)argc;
    (void)argv;
    int n = 0;
    wchar_t** w = CommandLineToArgvW(GetCommandLineW(), &n);
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) {
        const int len = WideCharToMultiByte(CP_UTF8, 0, w[i], -1, nullptr, 0, nullptr, nullptr);
        std::string s(static_cast<std::size_t>(len), '\0');
        WideCharToMultiByte(CP_UTF8, 0, w[i], -1, s.data(), len, nullptr, nullptr);
        s.resize(static_cast<std::size_t>(len > 0 ? len - 1 : 0));
        out.push_back(s);
    }
    LocalFree(w);
    return out;
#else
    return std::vector<std::string>(argv, argv + argc);
#endif
}

std::string BaseName(std::string name) {
    const auto slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name = name.substr(slash + 1);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".exe") == 0) name.resize(name.size() - 4);
    return name;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    _setmode(0, _O_BINARY);
    _setmode(1, _O_BINARY);
    _setmode(2, _O_BINARY);
#endif
    std::vector<std::string> args = Arguments(argc, argv);
    static const char* const kModes[] = {"echo",  "upper", "exit-after", "hang",
                                         "flood", "run",   "args",       "apertium-wblank-mode"};
    std::string mode = BaseName(args.at(0));
    bool named = false;
    for (const char* m : kModes) named = named || mode == m;
    args.erase(args.begin());
    if (!named) {
        mode = "echo";
        for (const char* m : kModes) {
            if (!args.empty() && args[0] == m) {
                mode = m;
                args.erase(args.begin());
                break;
            }
        }
    }

    if (mode == "hang") {
        std::this_thread::sleep_for(std::chrono::seconds(60));
        return 0;
    }
    if (mode == "flood") {
        const std::string line(4096, 'x');
        for (;;) WriteAll(1, line.data(), line.size());
    }
    if (mode == "run" && args.size() == 3) {
        WriteAll(1, args[0].data(), args[0].size());
        WriteAll(2, args[1].data(), args[1].size());
        return std::atoi(args[2].c_str());
    }
    if (mode == "args") {
        for (const auto& a : args) {
            WriteAll(1, a.data(), a.size());
            WriteAll(1, "|", 1);
        }
        return 0;
    }
    if (mode == "apertium-wblank-mode") {
        std::ifstream in(args.empty() ? std::string() : args.back());
        std::string line;
        if (!std::getline(in, line)) {
            std::fputs("cannot read the mode file\n", stderr);
            return 1;
        }
        line += '\n';
        WriteAll(1, line.data(), line.size());
        return 0;
    }
    const long limit = mode == "exit-after" && !args.empty() ? std::atol(args[0].c_str()) : -1;
    long records = 0;
    char buf[65536];
    for (;;) {
        const long n = ReadSome(buf, sizeof buf);
        if (n <= 0) break;
        for (long i = 0; i < n; ++i) {
            if (records == limit) {
                WriteAll(1, buf, static_cast<std::size_t>(i));
                return 3;
            }
            if (buf[i] == '\0') ++records;
            if (mode == "upper" && buf[i] >= 'a' && buf[i] <= 'z')
                buf[i] = static_cast<char>(buf[i] - 'a' + 'A');
        }
        WriteAll(1, buf, static_cast<std::size_t>(n));
    }
    WriteAll(1, "", 1);
    return 0;
}
