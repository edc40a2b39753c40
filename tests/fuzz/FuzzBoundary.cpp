// Fuzz target: a session at the library's boundary (BoundarySession.cpp).
#include "fuzz/BoundarySession.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::runBoundarySession(data, size);
    return 0;
}

// The replay driver's --trace: the input's session as a trace file.
extern "C" void OrvaneFuzzRecordSession(const std::uint8_t* data, std::size_t size, const char* path)
{
    std::string failure;
    fuzz::recordBoundarySession(data, size, path, &failure);
}
