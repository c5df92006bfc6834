#pragma once
// hash2: the checksum library the program keys its translation cache with. Built as a shared
// library of its own (hash2.dll, libhash2.so) and loaded by the program at run time.

#include <cstdint>

#if defined(_WIN32)
#define HASH2_API extern "C" __declspec(dllexport)
#define HASH2_CALL __stdcall
#else
#define HASH2_API extern "C" __attribute__((visibility("default")))
#define HASH2_CALL
#endif

// The CRC-32 (IEEE 802.3, reflected, as zip and PNG use it) of length bytes, as a signed value.
// A length of 0 or below gives the checksum of no bytes (0).
HASH2_API std::int32_t HASH2_CALL CRC32(const std::uint8_t* bytes, std::int32_t length);
