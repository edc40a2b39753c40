// A host's conformance test program, built against the installed package:
// the suite's headers compile and OrvaneSDK::ovsdkhostconformance links with
// GoogleTest (without registering a host, nothing runs).
#include "ovsdkhostconformance/HostConformance.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    void (*registerTests)(orvane::sdk::hostconformance::HostFactory&) =
        &orvane::sdk::hostconformance::HostConformance::registerTests;
    return registerTests != nullptr ? RUN_ALL_TESTS() : 1;
}
