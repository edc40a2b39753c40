#include "integration/intern/RenderlessGLDrawAreaFactory.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

GLDrawAreaInterface* RenderlessGLDrawAreaFactory::createGLDrawArea(orvane::toolbox::StringList&)
{
    return nullptr;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
