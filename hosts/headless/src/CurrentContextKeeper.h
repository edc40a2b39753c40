// Gives the thread back, when it goes, the EGL context that was current
// when it was made (or none), unless that context is `unlessContext`
// (one about to be destroyed).
#ifndef OVSDKHEADLESSHOST_CURRENTCONTEXTKEEPER_H
#define OVSDKHEADLESSHOST_CURRENTCONTEXTKEEPER_H

#include "ovsdkheadlesshost/HeadlessDisplay.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

class CurrentContextKeeper
{
public:
    explicit CurrentContextKeeper(HeadlessDisplay& display, HeadlessDisplay::Context unlessContext = nullptr);
    ~CurrentContextKeeper();
    CurrentContextKeeper(const CurrentContextKeeper&) = delete;
    CurrentContextKeeper& operator=(const CurrentContextKeeper&) = delete;

private:
    HeadlessDisplay& m_display;
    HeadlessDisplay::Context m_previous;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_CURRENTCONTEXTKEEPER_H
