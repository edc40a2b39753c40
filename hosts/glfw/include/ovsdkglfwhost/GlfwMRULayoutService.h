#ifndef OVSDKGLFWHOST_GLFWMRULAYOUTSERVICE_H
#define OVSDKGLFWHOST_GLFWMRULAYOUTSERVICE_H

#include "ovsdkglfwhost/Export.h"

#include "integration/services/MRULayoutServiceAbstract.h"

#include <ostream>
#include <string>
#include <vector>

namespace orvane {
namespace sdk {
namespace glfwhost {

// A minimal service for the list of recently used layouts, for GLFW
// applications, which have no menus.
//
// Implements: MRULayoutService by keeping the list in memory, most recent
// first, without repeats, at most maximumCount() names (layouts()), and
// printing "recent layout: <name>" on a stream (standard error by default).
// Leaves to the application: showing the list (a menu of its own) and
// keeping it between sessions.
class OVSDKGLFWHOST_EXPORT GlfwMRULayoutService : public integration::services::MRULayoutServiceAbstract
{
public:
    // A service writing to `out`, which outlives it.
    explicit GlfwMRULayoutService(std::ostream& out);
    // A service writing to standard error.
    GlfwMRULayoutService();

    void updateMRULayout(const std::string& layoutFileName) override;

    // The layouts, most recent first.
    const std::vector<std::string>& layouts() const;
    // How many layouts are kept: 10.
    static std::size_t maximumCount();

private:
    std::ostream& m_out;
    std::vector<std::string> m_layouts;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWMRULAYOUTSERVICE_H
