// A library named like the checksum library but without its CRC32 export: the loader must refuse
// it rather than call into something else.

extern "C" __declspec(dllexport) int NotTheChecksum() {
    return 0;
}
