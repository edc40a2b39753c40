#include "ovsdkgtkhost/GtkIdleScheduler.h"

#include <glib.h>

namespace orvane {
namespace sdk {
namespace gtkhost {

GtkIdleScheduler::GtkIdleScheduler() : m_source(0), m_previous(ui::common::setIdleActionScheduler(this)) {}

GtkIdleScheduler::~GtkIdleScheduler()
{
    if (m_source != 0)
        g_source_remove(m_source);
    ui::common::setIdleActionScheduler(m_previous);
}

void GtkIdleScheduler::scheduleIdleProcessing()
{
    if (m_source != 0)
        return;
    m_source = g_idle_add(
        [](gpointer self) -> gboolean {
            static_cast<GtkIdleScheduler*>(self)->m_source = 0;
            ui::common::processIdleActions();
            return G_SOURCE_REMOVE;
        },
        this);
}

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
