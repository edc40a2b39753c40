#include "integration/PageRenderDeciderInterface.h"

namespace orvane {
namespace sdk {
namespace integration {

PageRenderDeciderInterface::~PageRenderDeciderInterface() = default;

} // namespace integration
} // namespace sdk
} // namespace orvane
