// The suite's checks, one function each, run as GoogleTest tests by
// HostConformance::registerTests.
#ifndef OVSDKHOSTCONFORMANCE_CHECKS_H
#define OVSDKHOSTCONFORMANCE_CHECKS_H

#include "ConformanceTest.h"

namespace orvane {
namespace sdk {
namespace hostconformance {

// FrameChecks.cpp
void checkFramesReachTheScreen(ConformanceTest& test);
void checkFramesUseTheDrawAreasOwnContext(ConformanceTest& test);
void checkBusyPassKeepsTheFramesContext(ConformanceTest& test);
// DrawAreaChecks.cpp
void checkSizeIsInDevicePixels(ConformanceTest& test);
void checkStateNotifications(ConformanceTest& test);
// InputChecks.cpp
void checkMouseInput(ConformanceTest& test);
void checkKeyInput(ConformanceTest& test);
void checkKeyTranslation(ConformanceTest& test);
// MonitorChecks.cpp
void checkMonitorIsReady(ConformanceTest& test);
void checkIdleTimeDeliversInput(ConformanceTest& test);
void checkBusyPass(ConformanceTest& test);
// OffscreenImageChecks.cpp
void checkOffscreenImages(ConformanceTest& test);

} // namespace hostconformance
} // namespace sdk
} // namespace orvane

#endif // OVSDKHOSTCONFORMANCE_CHECKS_H
