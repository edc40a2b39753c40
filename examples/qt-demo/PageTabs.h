// The engine's pages as the tabs of the main window: each tab holds a kit
// drawing area in a window container. The tabs follow the engine's current
// page; choosing a tab has the engine make its page current (tab changes
// that follow the engine are made with the widget's signals blocked); a page
// the engine destroys takes its tab and window with it.
#ifndef QT_DEMO_PAGETABS_H
#define QT_DEMO_PAGETABS_H

#include "integration/PageManagerListenerInterface.h"

#include "ovsignals/SignalConnectionCollection.h"

#include <QStringList>
#include <QTabWidget>

#include <functional>
#include <map>

namespace orvane {
namespace sdk {
namespace integration {
class PageInterface;
class PageManagerInterface;
} // namespace integration
namespace qthost {
class QtGLDrawArea;
} // namespace qthost
} // namespace sdk
} // namespace orvane

class BoundaryAccount;

class PageTabs : public QTabWidget, public orvane::sdk::integration::PageManagerListenerInterface
{
public:
    typedef orvane::sdk::integration::PageInterface Page;
    typedef orvane::sdk::integration::PageManagerInterface PageManager;
    typedef orvane::sdk::qthost::QtGLDrawArea DrawArea;

    PageTabs(PageManager& pages, BoundaryAccount& account, QWidget* parent = nullptr);
    // The windows go first, while the page manager still exists.
    ~PageTabs() override;

    // A new tab showing `drawArea` (taken over), chosen at once.
    void addWindow(DrawArea* drawArea, const QString& title);
    // Told of every window added, for example to follow its input.
    void setWindowAdded(std::function<void(DrawArea&)> windowAdded);

    DrawArea* drawAreaAt(int index) const;
    // The page shown in the tab, or null.
    Page* pageAt(int index);
    // The tab of the page, or -1.
    int indexOf(Page& page) const;

    void pageCreated(Page& page, PageManager& manager) override;
    void pageDestroyed(Page& page, PageManager& manager) override;
    void currentPageChanged(Page& page, PageManager& manager) override;

private:
    void tabChosen(int index);
    void showTitle(Page& page);

    PageManager& m_pages;
    BoundaryAccount& m_account;
    std::function<void(DrawArea&)> m_windowAdded;
    std::map<QWidget*, DrawArea*> m_drawAreas; // by container (window container widget)
    SignalConnectionCollection m_nameConnections;
};

#endif // QT_DEMO_PAGETABS_H
