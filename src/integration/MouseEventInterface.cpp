#include "integration/MouseEventInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

MouseEventInterface::~MouseEventInterface() = default;

MouseEventInterface::MouseButton_e MouseEventInterface::toMouseButton(int button)
{
    return (button >= MouseButton_None && button <= MouseButton_3) ? static_cast<MouseButton_e>(button)
                                                                    : MouseButton_Invalid;
}

} // namespace integration
} // namespace sdk
} // namespace orvane
