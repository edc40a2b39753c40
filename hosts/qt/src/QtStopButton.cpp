#include "ovsdkqthost/QtStopButton.h"

namespace orvane {
namespace sdk {
namespace qthost {

QtStopButton::QtStopButton(QAbstractButton& button) : m_button(&button) {}

bool QtStopButton::isActive() const { return m_button != nullptr && m_button->isVisible() && m_button->isEnabled(); }

bool QtStopButton::isWidget(const void* widget) const
{
    return m_button != nullptr && widget == static_cast<const void*>(m_button.data());
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
