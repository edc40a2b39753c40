#include "integration/services/MRULayoutServiceInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

MRULayoutServiceInterface::~MRULayoutServiceInterface() = default;

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
