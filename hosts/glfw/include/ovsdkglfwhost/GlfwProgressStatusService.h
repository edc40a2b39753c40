#ifndef OVSDKGLFWHOST_GLFWPROGRESSSTATUSSERVICE_H
#define OVSDKGLFWHOST_GLFWPROGRESSSTATUSSERVICE_H

#include "ovsdkglfwhost/Export.h"

#include "integration/services/ProgressStatusServiceAbstract.h"

#include <ostream>

namespace orvane {
namespace sdk {
namespace glfwhost {

// A minimal progress and status-line service for GLFW applications, which
// have no status bar or progress bar.
//
// Implements: ProgressStatusService by printing on a stream (standard error
// by default) each status line, the start of a progress monitor, every
// tenth percent of progress reached, and its end. percentDone() tells the
// progress last reported (-1 while no progress monitor runs), for an
// application that draws its own bar.
// Leaves to the application: a visible status line and progress bar:
// subclass it and override the four operations (calling these keeps
// percentDone() right), or make a service of its own current.
class OVSDKGLFWHOST_EXPORT GlfwProgressStatusService : public integration::services::ProgressStatusServiceAbstract
{
public:
    // A service writing to `out`, which outlives it.
    explicit GlfwProgressStatusService(std::ostream& out);
    // A service writing to standard error.
    GlfwProgressStatusService();

    void setStatusLine(const char* text) override;
    void startProgressMonitor(bool first, bool second) override;
    void finishProgressMonitor() override;
    void updateProgressMonitor(int percentDone) override;

    // The last progress reported.
    int percentDone() const;

private:
    std::ostream& m_out;
    int m_percentDone;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWPROGRESSSTATUSSERVICE_H
