#include "integration/services/CursorShapeServiceInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

CursorShapeServiceInterface::~CursorShapeServiceInterface() = default;

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
