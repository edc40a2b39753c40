#include "CurrentContextKeeper.h"

namespace orvane {
namespace sdk {
namespace headlesshost {

CurrentContextKeeper::CurrentContextKeeper(HeadlessDisplay& display, HeadlessDisplay::Context unlessContext)
    : m_display(display), m_previous(display.currentContext())
{
    if (m_previous == unlessContext)
        m_previous = nullptr;
}

CurrentContextKeeper::~CurrentContextKeeper()
{
    if (m_display.currentContext() != m_previous)
        m_display.makeCurrent(m_previous);
}

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
