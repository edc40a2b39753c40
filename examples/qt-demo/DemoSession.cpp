#include "DemoSession.h"

#include "AccountedPlotRepairer.h"
#include "AccountedStart.h"
#include "BoundaryAccount.h"

#include "ovsdkqthost/QtGLContext.h"

#include "integration/PageManagerInterface.h"
#include "integration/services/ServiceRepositoryInterface.h"

#include <boost/make_shared.hpp>

DemoSession::DemoSession(BoundaryAccount& account)
    : m_account(account), m_offscreen(account), m_manager(account), m_running(false)
{
}

DemoSession::~DemoSession() { stop(); }

bool DemoSession::start(const std::string& program, const std::string& homeDirectory)
{
    m_account.host("makes its miscellaneous-queries and offscreen-image services current (before init)");
    m_manager.getServiceRepository().setService(&m_misc);
    m_manager.getServiceRepository().setService(&m_offscreen);
    m_manager.getPageManager().setGLDrawAreaFactory(m_drawAreaFactory);

    const StartReached reached = initAndStart(m_manager, m_account, program, homeDirectory);
    m_running = reached != StartReached::InitFailed;
    if (reached != StartReached::Started)
        return false;

    m_account.host("lets the engine draw with the current context's OpenGL, pushes an interrupted-plot repairer");
    prepareDrawing(m_manager, &orvane::sdk::qthost::currentContextProcAddress,
                   boost::make_shared<AccountedPlotRepairer>(m_account));
    return true;
}

void DemoSession::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_account.host("stop(): the engine shuts down and deletes the pages left");
    m_manager.stop();
    m_account.flush();
}

DemoManager& DemoSession::manager() { return m_manager; }

orvane::sdk::qthost::QtGLDrawAreaFactory& DemoSession::drawAreaFactory() { return m_drawAreaFactory; }
