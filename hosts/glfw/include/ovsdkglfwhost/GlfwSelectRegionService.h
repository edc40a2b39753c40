#ifndef OVSDKGLFWHOST_GLFWSELECTREGIONSERVICE_H
#define OVSDKGLFWHOST_GLFWSELECTREGIONSERVICE_H

#include "ovsdkglfwhost/Export.h"

#include "integration/services/SelectRegionServiceAbstract.h"

#include <ostream>

namespace orvane {
namespace sdk {
namespace glfwhost {

// A minimal region-selection service for GLFW applications, which have no
// selection of their own to show.
//
// Implements: SelectRegionService by printing "region selected: (x1, y1)
// to (x2, y2)" on a stream (standard error by default); nothing is
// selected in the application.
// Leaves to the application: selecting its own items in the rectangle:
// subclass it and override selectItemsInRect, or make a service of its own
// current.
class OVSDKGLFWHOST_EXPORT GlfwSelectRegionService : public integration::services::SelectRegionServiceAbstract
{
public:
    // A service writing to `out`, which outlives it.
    explicit GlfwSelectRegionService(std::ostream& out);
    // A service writing to standard error.
    GlfwSelectRegionService();

    void selectItemsInRect(double x1, double y1, double x2, double y2, bool flag) override;

private:
    std::ostream& m_out;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWSELECTREGIONSERVICE_H
