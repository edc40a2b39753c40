#include "DemoSessionBase.h"

#include "AccountedStart.h"
#include "BoundaryAccount.h"

#include "integration/ApplicationEventMonitorInterface.h"
#include "integration/EventManagerInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/ManagerAbstract.h"
#include "integration/PageInterface.h"
#include "integration/PageIterator.h"
#include "integration/PageManagerInterface.h"
#include "integration/services/ServiceRepositoryInterface.h"

namespace integration = orvane::sdk::integration;

DemoSessionBase::DemoSessionBase(BoundaryAccount& account)
    : m_account(account),
      m_pageAccount(account),
      m_inputAccount(account),
      m_repairer(new AccountedPlotRepairer(account)),
      m_running(false)
{
}

DemoSessionBase::~DemoSessionBase() = default;

bool DemoSessionBase::startEngine(const std::string& program, const std::string& homeDirectory,
                                  const std::vector<integration::services::ServiceInterface*>& services,
                                  integration::GLDrawAreaFactoryInterface& factory, orvane::sim::GetProcAddress_pf procAddress,
                                  std::function<void(std::function<void()>)> later)
{
    m_account.host("makes the kit's services current (the miscellaneous queries before init) and its window "
                   "factory the page manager's");
    for (integration::services::ServiceInterface* service : services)
        manager().getServiceRepository().setService(service);
    manager().getPageManager().setGLDrawAreaFactory(factory);

    const StartReached reached = initAndStart(manager(), m_account, program, homeDirectory);
    m_running = reached != StartReached::InitFailed;
    if (reached != StartReached::Started)
        return false;

    m_account.host("lets the engine draw with the kit's current OpenGL context, pushes an interrupted-plot "
                   "repairer");
    prepareDrawing(manager(), procAddress, m_repairer);
    m_viewRedrawer.reset(new ViewChangeRedrawer(manager().getEventManager(), manager().getPageManager(), later));
    listen(true);
    return true;
}

void DemoSessionBase::listen(bool on)
{
    integration::EventManagerInterface& events = manager().getEventManager();
    integration::ApplicationEventMonitorInterface& monitor = manager().getApplicationEventMonitor();
    if (on)
    {
        manager().getPageManager().addListener(&m_pageAccount);
        events.addMouseListener(&m_inputAccount);
        events.addKeyboardListener(&m_inputAccount);
        monitor.addKeyboardListener(&m_inputAccount);
        m_inputAccount.setApplicationWide(monitor);
        return;
    }
    monitor.removeKeyboardListener(&m_inputAccount);
    events.removeKeyboardListener(&m_inputAccount);
    events.removeMouseListener(&m_inputAccount);
    manager().getPageManager().removeListener(&m_pageAccount);
}

void DemoSessionBase::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_account.host("closes its windows: the drawing areas go before the engine stops");
    closeWindows();
    listen(false);
    m_viewRedrawer.reset();
    m_account.host("stop(): the engine shuts down");
    manager().stop();
    m_account.flush();
}

const AccountedPlotRepairer& DemoSessionBase::repairer() const { return *m_repairer; }

void DemoSessionBase::followFocus(integration::GLDrawAreaInterface& drawArea)
{
    integration::GLDrawAreaInterface* const window = &drawArea;
    m_focusConnections.add(drawArea.connectDrawAreaFocusGained([this, window] {
        integration::PageInterface* page = pageShownIn(window);
        if (page != nullptr && page != manager().getPageManager().getCurrentPage())
        {
            m_account.host("makes the page of the focused window current: setCurrentPage");
            manager().getPageManager().setCurrentPage(*page);
        }
    }));
}

integration::PageInterface* DemoSessionBase::pageShownIn(integration::GLDrawAreaInterface* window)
{
    for (integration::PageIterator pages = manager().getPageManager().getPageIterator(); pages.hasNext();)
    {
        integration::PageInterface& page = pages.next();
        if (page.getDrawArea() == window)
            return &page;
    }
    return nullptr;
}

void DemoSessionBase::deletePageOf(integration::GLDrawAreaInterface* window)
{
    if (integration::PageInterface* page = pageShownIn(window))
    {
        m_account.host("deletes the page of the window the user closes: deletePage");
        manager().getPageManager().deletePage(*page);
    }
}
