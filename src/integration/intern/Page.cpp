#include "integration/intern/Page.h"

#include "integration/GLDrawAreaInterface.h"
#include "integration/PageChangeListenerInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/boundary/Engine.h"
#include "integration/intern/boundary/TraceEvents.h"
#include "integration/intern/PageRegistry.h"
#include "integration/intern/Precondition.h"
#include "ovexception/ExceptionBase.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "ovtoolbox/StyleValue.h"
#include "util/FirstException.h"

#include <utility>


namespace orvane {
namespace sdk {
namespace integration {

namespace {

// The page name is the style value "PAGE" "NAME" of the page's unique id.
const char* const PageStyle = "PAGE";
const char* const NameStyle = "NAME";

// Size reported without a usable drawing area.
const int DefaultWidth = 800;
const int DefaultHeight = 600;

} // namespace

// --- nested listeners -------------------------------------------------------

Page::GLDrawAreaListener::GLDrawAreaListener(Page& page) : m_page(&page) {}

void Page::GLDrawAreaListener::drawAreaExposed(GLDrawAreaInterface&, bool fullDamage)
{
    m_page->drawAreaExposed(fullDamage);
}

void Page::GLDrawAreaListener::drawAreaDestroyed(GLDrawAreaInterface&) { m_page->drawAreaDestroyed(); }

void Page::GLDrawAreaListener::drawAreaFocusGained(GLDrawAreaInterface&) {}

// --- construction -----------------------------------------------------------

Page::Page(PageManagerInterface& manager, GLDrawAreaInterface* drawArea)
    : m_manager(&manager),
      m_registry(dynamic_cast<intern::PageRegistry*>(&manager)),
      m_drawArea(nullptr),
      m_uniqueID(0),
      m_printPreviewActive(false),
      m_deleteWithDrawArea(false),
      m_glDrawAreaListener(*this),
      m_pendingFullDamage(false),
      m_takingDrawArea(false),
      m_drawAreaBeingTaken(nullptr)
{
    // A constructor that throws would leave the page's registrations behind.
    try
    {
        moveTo(drawArea);
    }
    catch (...)
    {
        m_attachFailure = std::current_exception();
    }
    if (m_registry != nullptr)
        m_registry->pageBorn(*this);
}

Page::~Page()
{
    // The engine knows the page by its interface part's address.
    intern::traceGone(static_cast<PageInterface*>(this));
    if (m_registry != nullptr)
        m_registry->pageGone(*this);
    // Also from an area that is not valid now: it may be exposed again.
    if (m_drawArea != nullptr)
        m_drawArea->removeStateListener(&m_glDrawAreaListener);
    // Deleted by a listener of the page it was taking an area from.
    if (m_drawAreaBeingTaken != nullptr)
        m_drawAreaBeingTaken->removeStateListener(&m_glDrawAreaListener);
}

std::exception_ptr Page::takeAttachFailure() { return std::exchange(m_attachFailure, nullptr); }

// --- operations -------------------------------------------------------------

bool Page::redraw()
{
    const intern::RequestScope request("redraw", nullptr, this);
    if (!becomeCurrentPage())
        return false;
    cancelPendingDamage();
    const intern::engine::AppLock lock(AppLock::ImplicitMacroRecording_Off);
    return intern::engine::OrvUtilRedraw(TRUE) == TRUE;
}

long long Page::getUniqueID() { return m_uniqueID; }

std::string Page::getName() { return m_name; }

bool Page::setName(std::string name)
{
    if (name == m_name)
        return true;
    SetValueReturnCode_e result;
    // The engine may report the change from inside the write, and a listener
    // told of the new name may have the page deleted.
    const util::DestructionSentinel::Watch watch(m_sentinel);
    {
        AppLock lock(AppLock::ImplicitMacroRecording_Off);
        result = orvane::toolbox::StyleValue(m_uniqueID, PageStyle, NameStyle).set(name);
    }
    if (watch.destroyed())
        return result == SetValueReturnCode_Ok;
    if (result != SetValueReturnCode_Ok)
        return false;
    // An engine that reports the style change from inside the write has had
    // the page read its new name already; the change is then notified once.
    changeName(name);
    return true;
}

void Page::getSize(int& width, int& height)
{
    if (m_drawArea != nullptr && m_drawArea->isValid())
    {
        m_drawArea->getSize(width, height);
        return;
    }
    width = DefaultWidth;
    height = DefaultHeight;
}

void Page::addChangeListener(PageChangeListenerInterface* listener)
{
    if (intern::refuseNull(listener, "((listener) != 0)", "Invalid page state change listener",
                           "Page::addChangeListener"))
        return;
    m_changeListeners.add(listener);
}

void Page::removeChangeListener(PageChangeListenerInterface* listener)
{
    if (intern::refuseNull(listener, "((listener) != 0)", "Invalid page state change listener",
                           "Page::removeChangeListener"))
        return;
    m_changeListeners.remove(listener);
}

void Page::setPrintPreviewActive(bool active)
{
    if (!becomeCurrentPage())
        return;
    {
        const intern::engine::AppLock lock(AppLock::ImplicitMacroRecording_Off);
        intern::engine::OrvEngPagePrintPreviewSetActive(active ? TRUE : FALSE);
    }
    m_printPreviewActive = active;
}

bool Page::isPrintPreviewActive() { return m_printPreviewActive; }

GLDrawAreaInterface* Page::getDrawArea() { return m_drawArea; }

void Page::setDrawArea(GLDrawAreaInterface* drawArea)
{
    const intern::PageMoveScope request(*this, drawArea);
    moveTo(drawArea);
}

void Page::moveTo(GLDrawAreaInterface* drawArea)
{
    if (drawArea == m_drawArea)
        return;
    if (m_takingDrawArea)
        throw orvane::ExceptionBase("setDrawArea() was called on a page from inside its own move (by a listener of "
                                    "the page whose drawing area it takes); move it once that move has returned.",
                                    false);
    if (m_drawArea != nullptr)
        m_drawArea->removeStateListener(&m_glDrawAreaListener);
    cancelPendingDamage();
    GLDrawAreaInterface* const oldDrawArea = m_drawArea;
    // The page shows nothing while the page that shows the new area lets go
    // of it (whose listeners may do anything, even delete this page); an
    // exception of theirs waits until this page has moved as well.
    m_drawArea = nullptr;
    if (m_registry != nullptr && oldDrawArea != nullptr)
        m_registry->drawAreaChanged(*this, oldDrawArea);
    util::FirstException failure;
    if (drawArea != nullptr)
    {
        if (PageInterface* const other = otherPageShowing(drawArea))
        {
            // The other page's listeners are host code, which may even close
            // the window: the page hears of that while it waits.
            const util::DestructionSentinel::Watch watch(m_sentinel);
            drawArea->addStateListener(&m_glDrawAreaListener);
            m_drawAreaBeingTaken = drawArea;
            m_takingDrawArea = true;
            failure.run([other] { other->setDrawArea(nullptr); });
            if (watch.destroyed())
                return failure.rethrow();
            m_takingDrawArea = false;
            const bool closed = std::exchange(m_drawAreaBeingTaken, nullptr) == nullptr;
            // The engine destroyed this page meanwhile (a listener stopped
            // the manager): it is told of nothing more and shows nothing.
            if (m_registry != nullptr && m_registry->isGoing(*this))
            {
                if (!closed)
                    drawArea->removeStateListener(&m_glDrawAreaListener);
                return failure.rethrow();
            }
            if (closed || otherPageShowing(drawArea) != nullptr)
            {
                // Host code closed the window, or moved another page there,
                // before this page could show it: the page has only left its
                // old area (and goes with a closed one if it was to).
                if (!closed)
                    drawArea->removeStateListener(&m_glDrawAreaListener);
                if (oldDrawArea != nullptr)
                    failure.run([this, oldDrawArea] { notifyDrawAreaChanged(oldDrawArea); });
                if (!watch.destroyed())
                    failure.run([this, closed] { closed ? drawAreaDestroyed() : refuseTakenArea(); });
                return failure.rethrow();
            }
        }
        else
            drawArea->addStateListener(&m_glDrawAreaListener);
        m_drawArea = drawArea;
        if (m_uniqueID != 0)
            intern::engine::OrvEngPageDamaged(TRUE, m_uniqueID);
        if (m_registry != nullptr)
            m_registry->drawAreaChanged(*this, nullptr);
    }
    failure.run([this, oldDrawArea] { notifyDrawAreaChanged(oldDrawArea); });
    failure.rethrow();
}

void Page::setDeleteWithDrawArea(bool deleteWithDrawArea) { m_deleteWithDrawArea = deleteWithDrawArea; }

bool Page::getDeleteWithDrawArea() { return m_deleteWithDrawArea; }

// --- private steps ----------------------------------------------------------

bool Page::becomeCurrentPage()
{
    // A listener of the switch may have the page deleted, or stop the
    // manager (the engine takes its pages with it).
    const util::DestructionSentinel::Watch watch(m_sentinel);
    const intern::engine::ShutdownWatch shutdown;
    try
    {
        m_manager->setCurrentPage(*this);
    }
    catch (const orvane::ExceptionBase&)
    {
        // Not (or no longer) a managed page: nothing to make current.
    }
    return !watch.destroyed() && !shutdown.shutDown();
}

void Page::cancelPendingDamage()
{
    m_pendingDamage.reset();
    m_pendingFullDamage = false;
}

void Page::refuseTakenArea()
{
    throw orvane::ExceptionBase("setDrawArea(): another page was moved to the drawing area while this page was "
                                "taking it (by a listener of the page it took it from); the other page keeps it.",
                                false);
}

PageInterface* Page::otherPageShowing(GLDrawAreaInterface* drawArea)
{
    if (m_registry != nullptr)
    {
        PageInterface* other = m_registry->pageShowing(drawArea);
        return other != this ? other : nullptr;
    }
    for (PageIterator pages = m_manager->getPageIterator(); pages.hasNext();)
    {
        PageInterface& page = pages.next();
        if (&page != this && page.getDrawArea() == drawArea)
            return &page;
    }
    return nullptr;
}

// Every listener and the signal hear of the change before the first
// exception passes on. A listener may have the page deleted (the engine
// deletes pages from inside host requests): then there is no signal left
// to fire.
void Page::notifyNameChanged(const std::string& oldName)
{
    util::FirstException failure;
    if (m_changeListeners.notify([this, &oldName, &failure](PageChangeListenerInterface& listener) {
            failure.run([&] { listener.pageNameChanged(oldName, *this); });
        }))
        failure.run([this, &oldName] { signalNameChanged(oldName); });
    failure.rethrow();
}

void Page::notifyDrawAreaChanged(GLDrawAreaInterface* oldDrawArea)
{
    util::FirstException failure;
    if (m_changeListeners.notify([this, oldDrawArea, &failure](PageChangeListenerInterface& listener) {
            failure.run([&] { listener.pageDrawAreaChanged(oldDrawArea, *this); });
        }))
        failure.run([this, oldDrawArea] { signalDrawAreaChanged(oldDrawArea); });
    failure.rethrow();
}

void Page::changeName(const std::string& name)
{
    if (name == m_name)
        return;
    const std::string oldName = m_name;
    m_name = name;
    notifyNameChanged(oldName);
}

// --- reactions --------------------------------------------------------------

void Page::drawAreaExposed(bool fullDamage)
{
    if (!m_pendingFullDamage)
        m_pendingDamage.reset(
            new ui::common::OnIdleActionPerformerSingleShot([this, fullDamage] { damageOnIdle(fullDamage); }));
    if (fullDamage)
        m_pendingFullDamage = true;
}

void Page::damageOnIdle(bool fullDamage)
{
    m_pendingFullDamage = false;
    if (m_registry != nullptr && !m_registry->isCurrentPage(*this))
        intern::DiagnosticReporter::report(
            intern::DiagnosticReporter::Kind_DamageNotCurrentPage,
            "A drawing area whose page is not current was exposed: the engine redraws only the current page, so "
            "its damage is dropped. Make the page current (PageManagerInterface::setCurrentPage) to have it "
            "redrawn.");
    const intern::DamageScope damage(m_uniqueID, fullDamage);
    const intern::engine::AppLock lock(AppLock::ImplicitMacroRecording_Off);
    intern::engine::OrvEngPageDamaged(fullDamage ? TRUE : FALSE, m_uniqueID);
}

void Page::drawAreaDestroyed()
{
    if (m_takingDrawArea)
    {
        m_drawAreaBeingTaken = nullptr; // setDrawArea() goes on from here
        return;
    }
    if (!m_deleteWithDrawArea)
    {
        moveTo(nullptr);
        return;
    }
    const util::DestructionSentinel::Watch watch(m_sentinel);
    // Host code may throw from the announcements of the deletion (the
    // switch to this page first): its exception waits until the page has
    // let go of the window.
    util::FirstException failure;
    failure.run([this] {
        try
        {
            // The engine's destroy callback may delete this page from inside.
            m_manager->deletePage(*this);
        }
        catch (const orvane::ExceptionBase&)
        {
            // Not a managed page: nothing to delete.
        }
    });
    // The deletion waits for the engine (busy, or in the middle of an
    // announcement), was refused or was cut short: the window goes now, so
    // the page lets go of it at once.
    if (!watch.destroyed())
        failure.run([this] { moveTo(nullptr); });
    failure.rethrow();
}

void Page::engineStateChanged(const orvane::toolbox::StateChangeEventInterface& event)
{
    // Most state changes concern no page: they cost one read of the code.
    const int code = event.getStateChange();
    const bool learnsID = code == StateChange_CurrentPage && m_uniqueID == 0;
    if (code != StateChange_Style && code != StateChange_PageLayout && !learnsID)
        return;
    // The engine has destroyed a page still in use below (a listener of an
    // earlier page stopped the manager): it hears nothing more.
    if (m_registry != nullptr && m_registry->isGoing(*this))
        return;
    if (intern::engine::OrvUtilPageGetCount() < 1)
        return;
    if (code == StateChange_PageLayout || (code == StateChange_Style && isPageNameOrLayoutChange(event)))
    {
        refreshNameFromEngine();
        return;
    }
    // The engine makes a page it has just created current and reports it.
    if (learnsID)
    {
        m_uniqueID = intern::engine::OrvUtilPageGetUniqueID();
        if (m_registry != nullptr && m_uniqueID != 0)
            m_registry->uniqueIDLearnt(*this);
    }
}

// A style change (code 7) names this page's name, or a plot type while the
// engine lays out pages. Out of line: its strings would otherwise burden
// every state change.
__attribute__((noinline)) bool Page::isPageNameOrLayoutChange(const orvane::toolbox::StateChangeEventInterface& event) const
{
    const std::string first = event.getStyleParameter(1);
    const bool namesAPage = first == "PAGENAME" || (first == PageStyle && event.getStyleParameter(2) == NameStyle);
    if (namesAPage && event.getStyleUniqueID() == m_uniqueID)
        return true;
    return first == "PLOTTYPE" && intern::engine::OrvUtilStateIsProcessingLayout() == TRUE;
}

void Page::refreshNameFromEngine()
{
    // A failed read leaves the name as it is.
    std::string name = m_name;
    orvane::toolbox::StyleValue(m_uniqueID, PageStyle, NameStyle).get(name);
    changeName(name);
}

} // namespace integration
} // namespace sdk
} // namespace orvane
