// The Qt kit checked by the host conformance suite, as a host project on
// another toolkit checks its own: ctest runs it under xvfb-run at the
// screen's pixel ratio and again with QT_SCALE_FACTOR=2.
#include "QtConformanceFactory.h"

#include "ovsdkhostconformance/HostConformance.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QtConformanceFactory factory;
    orvane::sdk::hostconformance::HostConformance::registerTests(factory);
    return RUN_ALL_TESTS();
}
