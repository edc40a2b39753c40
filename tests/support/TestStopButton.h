#ifndef ORVANE_TESTS_SUPPORT_TESTSTOPBUTTON_H
#define ORVANE_TESTS_SUPPORT_TESTSTOPBUTTON_H

#include "integration/StopButtonInterface.h"

namespace orvane {
namespace test {

// A stop button of the host's user interface, with its widget's identity.
class TestStopButton : public sdk::integration::StopButtonInterface
{
public:
    bool active = true;
    const void* widget = this;

    bool isActive() const override { return active; }
    bool isWidget(const void* candidate) const override { return candidate == widget; }
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_TESTSTOPBUTTON_H
