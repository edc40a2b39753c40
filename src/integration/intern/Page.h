#ifndef ORVANE_INTEGRATION_INTERN_PAGE_H
#define ORVANE_INTEGRATION_INTERN_PAGE_H

#include "integration/GLDrawAreaListenerInterface.h"
#include "integration/PageInterface.h"
#include "ovtoolbox/StateChangeNotifier.h"
#include "util/DestructionSentinel.h"
#include "util/ListenerSet.h"

#include <exception>
#include <memory>
#include <string>

namespace orvane {
namespace sdk {
namespace ui {
namespace common {
class OnIdleActionPerformerSingleShot;
} // namespace common
} // namespace ui

namespace integration {

class PageManagerInterface;

namespace intern {
class PageRegistry;
} // namespace intern

// The one implementation of PageInterface, created and deleted by the page
// manager only. It follows its drawing area (exposes become one damage
// report per idle time, a destroyed window detaches or deletes the page) and
// the engine's state changes (it learns its unique id from the first
// current-page change after its creation, and its name from style changes).
class Page : public virtual PageInterface
{
public:
    // The engine's state-change codes a page reads.
    static constexpr int StateChange_Style = 7;
    static constexpr int StateChange_PageLayout = 31;
    static constexpr int StateChange_CurrentPage = 50;

    // Hears the drawing area that shows the page.
    class GLDrawAreaListener : public virtual GLDrawAreaListenerInterface
    {
    public:
        explicit GLDrawAreaListener(Page& page);
        // Folded into one damage report at the next idle time; a waiting
        // full report is never downgraded to a partial one.
        void drawAreaExposed(GLDrawAreaInterface& drawArea, bool fullDamage) override;
        // Deletes the page when it is to go with its drawing area; the page
        // lets go of the window at once whenever the deletion has to wait.
        void drawAreaDestroyed(GLDrawAreaInterface& drawArea) override;
        void drawAreaFocusGained(GLDrawAreaInterface& drawArea) override;

    private:
        Page* m_page;
    };

    // Attaches the page to `drawArea` (may be null), detaching any other page
    // of `manager` shown there. A manager that keeps a page index (the page
    // manager) is told of the page, and hands it the engine's state changes.
    // An exception of the other page's listeners does not undo the page: it
    // is kept for takeAttachFailure().
    Page(PageManagerInterface& manager, GLDrawAreaInterface* drawArea);
    // Tells nobody: the page manager announces the destruction.
    ~Page() override;

    // The exception kept by the constructor, once.
    std::exception_ptr takeAttachFailure();

    bool redraw() override;
    long long getUniqueID() override;
    std::string getName() override;
    bool setName(std::string name) override;
    void getSize(int& width, int& height) override;
    void addChangeListener(PageChangeListenerInterface* listener) override;
    void removeChangeListener(PageChangeListenerInterface* listener) override;
    void setPrintPreviewActive(bool active) override;
    bool isPrintPreviewActive() override;
    GLDrawAreaInterface* getDrawArea() override;
    void setDrawArea(GLDrawAreaInterface* drawArea) override;
    void setDeleteWithDrawArea(bool deleteWithDrawArea) override;
    bool getDeleteWithDrawArea() override;

    // An engine state change: the page learns its unique id from the first
    // current-page change after its creation, and its name from style and
    // layout changes.
    void engineStateChanged(const orvane::toolbox::StateChangeEventInterface& event);

private:
    // Asks the manager to make this page current; a refusal is ignored.
    // False when the page was deleted meanwhile (by a listener).
    bool becomeCurrentPage();
    void cancelPendingDamage();
    // The first other page of the manager that shows `drawArea`, or null.
    PageInterface* otherPageShowing(GLDrawAreaInterface* drawArea);
    [[noreturn]] static void refuseTakenArea();
    // The move setDrawArea() asks for (and the constructor makes, unrecorded).
    void moveTo(GLDrawAreaInterface* drawArea);
    void notifyNameChanged(const std::string& oldName);
    void notifyDrawAreaChanged(GLDrawAreaInterface* oldDrawArea);
    // Replaces the name and notifies, if `name` differs from the cached one.
    void changeName(const std::string& name);

    void drawAreaExposed(bool fullDamage);
    void damageOnIdle(bool fullDamage);
    void drawAreaDestroyed();
    bool isPageNameOrLayoutChange(const orvane::toolbox::StateChangeEventInterface& event) const;
    void refreshNameFromEngine();

    PageManagerInterface* m_manager;
    intern::PageRegistry* m_registry; // the manager's, when it keeps one
    GLDrawAreaInterface* m_drawArea;
    std::string m_name;
    long long m_uniqueID;
    bool m_printPreviewActive;
    bool m_deleteWithDrawArea;
    util::ListenerSet<PageChangeListenerInterface> m_changeListeners;
    GLDrawAreaListener m_glDrawAreaListener;
    std::unique_ptr<ui::common::OnIdleActionPerformerSingleShot> m_pendingDamage;
    bool m_pendingFullDamage;
    bool m_takingDrawArea; // while the page that shows the new area lets go of it
    // The area taken meanwhile, which the page already listens to; null once
    // host code closed it (or when no area is being taken).
    GLDrawAreaInterface* m_drawAreaBeingTaken;
    std::exception_ptr m_attachFailure;
    util::DestructionSentinel m_sentinel;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_PAGE_H
