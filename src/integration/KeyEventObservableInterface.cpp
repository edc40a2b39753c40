#include "integration/KeyEventObservableInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

KeyEventObservableInterface::~KeyEventObservableInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
