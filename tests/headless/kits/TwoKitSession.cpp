#include "TwoKitSession.h"

#include "ovsdkqthost/QtGLContext.h"

#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/services/ServiceRepositoryInterface.h"

using namespace orvane::sdk;

TwoKitSession::TwoKitSession(int width, int height)
    : m_area(m_session.loop(), m_session.display(), width, height),
      m_width(width),
      m_height(height),
      m_started(m_session.start("two-kit-session", "/tmp") == integration::ManagerInterface::ManagerStartReturnCode_Ok)
{
    if (m_started)
        m_session.manager().getPageManager().addPage(&m_area);
}

bool TwoKitSession::started() const { return m_started; }

const headlesshost::HeadlessFrame& TwoKitSession::drawHeadless()
{
    orvane::sim::enableOpenGLDrawing(&headlesshost::HeadlessDisplay::procAddress);
    m_session.manager().getPageManager().getCurrentPage()->redraw();
    return m_area.frame();
}

orvane::sim::ExportedImage TwoKitSession::exportWith(Kit kit)
{
    if (kit == Kit_Qt)
    {
        m_session.manager().getServiceRepository().setService(&m_qtImages);
        orvane::sim::enableOpenGLDrawing(&qthost::currentContextProcAddress);
    }
    else
    {
        m_session.manager().getServiceRepository().setService(&m_session.images());
        orvane::sim::enableOpenGLDrawing(&headlesshost::HeadlessDisplay::procAddress);
    }
    return orvane::sim::exportImage(m_width, m_height, ExportRegion_CurrentFrame);
}
