#include "integration/InterruptedPlotRepairer.h"

#include "integration/PageInterface.h"
#include "integration/intern/boundary/Engine.h"
#include "ovsdkcommon/AppLock.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"

#include <boost/signals2/connection.hpp>

#include <memory>

namespace orvane {
namespace sdk {
namespace integration {

namespace {

void ignoreDrawAreaChange(GLDrawAreaInterface*) {}

} // namespace

// The waiting repair, and a watch on its page: a connection to one of the
// page's signals ends when the page (and so its signal) is destroyed, which
// tells the repair that its page is gone.
class InterruptedPlotRepairer::Impl
{
public:
    void scheduleRepair(PageInterface& page)
    {
        PageInterface* const target = &page;
        boost::signals2::connection watch = page.connectDrawAreaChanged(&ignoreDrawAreaChange);
        m_pendingRepair.reset(new ui::common::OnIdleActionPerformerSingleShot([target, watch] {
            if (watch.connected())
                target->redraw();
        }));
        m_pageWatch = watch;
    }

    void dropRepair()
    {
        m_pendingRepair.reset();
        m_pageWatch = boost::signals2::scoped_connection();
    }

private:
    std::unique_ptr<ui::common::OnIdleActionPerformerSingleShot> m_pendingRepair;
    boost::signals2::scoped_connection m_pageWatch;
};

InterruptedPlotRepairer::InterruptedPlotRepairer() : m_impl(new Impl()) {}

InterruptedPlotRepairer::~InterruptedPlotRepairer() { delete m_impl; }

bool InterruptedPlotRepairer::shouldOpenGLBuffersBeSwapped(PageInterface& page) const
{
    const intern::engine::AppLock lock(AppLock::ImplicitMacroRecording_On);
    if (intern::engine::OrvUtilInterruptCheck() == TRUE)
    {
        m_impl->scheduleRepair(page);
        return false;
    }
    m_impl->dropRepair();
    return true;
}

} // namespace integration
} // namespace sdk
} // namespace orvane
