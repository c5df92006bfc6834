#pragma once
// Loads the checksum library from one folder only, never from the search path, so that a
// library of the same name elsewhere can never be picked up in its place.

#include <memory>
#include <string>

#include "platform/platform.h"

namespace plv {

// The library file's name on this system: hash2.dll or libhash2.so.
std::string Hash2FileName();

// Loads <directory>/<Hash2FileName()> and finds its CRC32; null when either fails. Paths are UTF-8
// (on Windows they are widened, so that a folder outside the ANSI code page works).
std::unique_ptr<ChecksumLibrary> LoadHash2From(const std::string& directory);

#if !defined(_WIN32)
// The folder of the running executable (the simulator finds the library there; the Windows
// backend asks its process environment).
std::string RunningExecutableDirectory();
#endif

}  // namespace plv
