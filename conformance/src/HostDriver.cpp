#include "ovsdkhostconformance/HostDriver.h"

namespace orvane {
namespace sdk {
namespace hostconformance {

HostDriver::~HostDriver() = default;

bool HostDriver::mayFocusInFocusedWindow() { return true; }

void* HostDriver::glProcAddress(const char*) { return nullptr; }

bool HostDriver::grabScreen(DrawArea&, int&, int&, std::vector<unsigned char>&) { return false; }

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
