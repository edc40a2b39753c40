// Fuzz target: a session at the library's boundary (BoundarySession.cpp).
#include "fuzz/BoundarySession.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::runBoundarySession(data, size);
    return 0;
}
