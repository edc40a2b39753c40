#ifndef ORVANE_INTEGRATION_INTERN_HOSTREQUESTQUEUE_H
#define ORVANE_INTEGRATION_INTERN_HOSTREQUESTQUEUE_H

#include <deque>
#include <memory>
#include <vector>

namespace orvane {
namespace sdk {
namespace ui {
namespace common {
class OnIdleActionPerformerSingleShot;
} // namespace common
} // namespace ui

namespace integration {

class PageInterface;

namespace intern {

// The host's page requests (make a page current, delete a page): carried out
// at once when the engine can take them, otherwise kept, in the order made,
// until the next idle time when it can.
//
// When a request waits:
// - while the engine is busy;
// - a deletion behind an earlier waiting request (a switch made while the
//   engine can take it is carried out at once, and cancels a waiting one);
// - a deletion also while a page is being created or destroyed (the
//   engine's current page may be that one), and while its page is being
//   announced (no page dies under its own announcement, and addPage returns
//   a live page).
//
// What becomes of the waiting ones:
// - each is carried out once, on the page it names;
// - a request whose page is destroyed is dropped;
// - of waiting switches only the latest counts, and a page the engine
//   destroys by itself (not for one of our deletions) cancels them: the
//   engine has chosen the page that follows;
// - what cannot be carried out at an idle time (the engine is busy again, a
//   listener threw) waits for the next.
//
// A deletion makes its page current, then deletes the engine's current
// page. When another page became current on the way (a listener created or
// switched pages), or the engine did not report the switch while the page
// it reported last is being announced, deleting would take the wrong page:
// the deletion waits again, first in line. When that happens to it a second
// time it is reported and set aside: it waits, without holding back the
// others, until the pages change (a page created, destroyed or made current
// by the engine or the host, not by the deletion's own switch), and is then
// tried again at the next idle time, until its page is gone.
//
// Engine calls run under the application lock (value 0). Host code that
// throws while a request is carried out (listeners of the switch) does not
// stop the request; the first exception passes on once it is done.
class HostRequestQueue
{
public:
    // What the queue asks of the page manager's state.
    class PageState
    {
    public:
        virtual bool isEngineBusy() = 0;
        // A page is being created or destroyed.
        virtual bool isPageOperationUnderWay() const = 0;
        virtual bool isBeingAnnounced(const PageInterface& page) const = 0;
        // The current page as the engine last reported it, or null.
        virtual PageInterface* reportedCurrentPage() const = 0;

    protected:
        ~PageState() = default;
    };

    explicit HostRequestQueue(PageState& pages);
    ~HostRequestQueue();
    HostRequestQueue(const HostRequestQueue&) = delete;
    HostRequestQueue& operator=(const HostRequestQueue&) = delete;

    void setCurrentPage(PageInterface& page);
    void deletePage(PageInterface& page);

    // The engine made `page` current; null for a page being created, which
    // the engine makes current from inside its creation.
    void currentPageChanged(const PageInterface* page);
    // The engine destroyed `page`, as the manager announced it: requests for
    // it go with it (also those its announcement made).
    void pageDestroyed(const PageInterface& page);
    // `page` is deleted; its address may serve again.
    void pageGone(const PageInterface& page);

private:
    struct Request
    {
        enum Kind_e
        {
            Kind_SetCurrent,
            Kind_Delete
        };
        Kind_e kind;
        PageInterface* page;
        bool retried;                 // a deletion refused once already
        unsigned long long traceFlow; // the trace's flow from the request, 0 for none
    };
    // A page made current for a deletion; diverted when the engine made
    // another page current meanwhile.
    struct Activation
    {
        const PageInterface* page;
        bool diverted;
    };

    static const char* nameOf(const Request& request);

    void request(Request::Kind_e kind, PageInterface& page);
    // Puts `request` in line, at the front or the back, and starts its flow.
    void wait(Request request, bool first);
    // Removes the waiting requests `drop` answers true for, keeping the
    // order of the others.
    template <typename Predicate>
    void dropWaiting(Predicate drop);
    bool canCarryOut(const Request& request);
    // False when the request waits again.
    bool carryOut(const Request& request);
    bool carryOutDeletion(const Request& request);
    void carryOutWaiting();
    void schedule();
    void traceWaitingCount() const;
    // A deletion overtaken twice waits aside; put back in line when the
    // pages change.
    void setAside(const Request& request);
    // Drops the deletion of `page` set aside, if any.
    void dropAside(const PageInterface& page);
    void pagesChanged();

    static void activateInEngine(PageInterface& page);
    static void deleteEngineCurrentPage();

    PageState* m_pages;
    std::deque<Request> m_waiting;
    std::vector<Request> m_setAside;
    std::unique_ptr<ui::common::OnIdleActionPerformerSingleShot> m_pendingRun;
    std::vector<Activation*> m_activations;           // for deletions under way
    std::vector<const PageInterface*> m_askedDeletions; // asked of the engine, not yet destroyed
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_HOSTREQUESTQUEUE_H
