#ifndef ORVANE_TESTS_SUPPORT_PAGERECORDER_H
#define ORVANE_TESTS_SUPPORT_PAGERECORDER_H

#include "integration/PageChangeListenerInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/PageManagerListenerInterface.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace test {

// "#<unique id>"
inline std::string pageLabel(sdk::integration::PageInterface& page)
{
    return "#" + std::to_string(page.getUniqueID());
}

// Writes every page-manager and page-change notification it gets, and those
// of the signals it is connected to, into a log shared with other recorders:
// "<label> <what> #<unique id>[ <old value>]", for example
// "listener current #2 was #1" or "signal area #1 was D1". Drawing areas are
// written by the names in `areaNames` ("null" for none).
class PageRecorder : public virtual sdk::integration::PageManagerListenerInterface,
                     public virtual sdk::integration::PageChangeListenerInterface
{
public:
    typedef std::vector<std::string> Log;

    PageRecorder(Log& log, std::string label) : m_log(log), m_label(std::move(label)) {}

    std::map<const sdk::integration::GLDrawAreaInterface*, std::string> areaNames;
    // Runs after each call is logged, with the page of the call.
    std::function<void(sdk::integration::PageInterface&)> onCall;

    // Logs the signals under the label "signal".
    void recordSignals(sdk::integration::PageManagerInterface& manager)
    {
        using sdk::integration::PageInterface;
        manager.connectPageCreated([this](PageInterface& page) { record("signal", "created", page); });
        manager.connectPageDestroyed([this](PageInterface& page) { record("signal", "destroyed", page); });
        manager.connectPageCurrentChanged([this](PageInterface& page) { record("signal", "current", page); });
    }
    void recordSignals(sdk::integration::PageInterface& page)
    {
        sdk::integration::PageInterface* const source = &page;
        page.connectNameChanged([this, source](const std::string& oldName) { record("signal", "name", *source, oldName); });
        page.connectDrawAreaChanged([this, source](sdk::integration::GLDrawAreaInterface* oldDrawArea) {
            record("signal", "area", *source, areaName(oldDrawArea));
        });
    }

    void pageCreated(sdk::integration::PageInterface& page, sdk::integration::PageManagerInterface&) override
    {
        record(m_label, "created", page);
    }
    void pageDestroyed(sdk::integration::PageInterface& page, sdk::integration::PageManagerInterface&) override
    {
        record(m_label, "destroyed", page);
    }
    void currentPageChanged(sdk::integration::PageInterface& page,
                            sdk::integration::PageManagerInterface& manager) override
    {
        sdk::integration::PageInterface* current = manager.getCurrentPage();
        record(m_label, "current " + (current != nullptr ? pageLabel(*current) : std::string("none")) + " was", page);
    }
    void pageNameChanged(std::string oldName, sdk::integration::PageInterface& page) override
    {
        record(m_label, "name", page, oldName);
    }
    void pageDrawAreaChanged(sdk::integration::GLDrawAreaInterface* oldDrawArea,
                             sdk::integration::PageInterface& page) override
    {
        record(m_label, "area", page, areaName(oldDrawArea));
    }

    std::string areaName(const sdk::integration::GLDrawAreaInterface* drawArea) const
    {
        if (drawArea == nullptr)
            return "null";
        auto found = areaNames.find(drawArea);
        return found != areaNames.end() ? found->second : "unnamed";
    }

private:
    void record(const std::string& label, const std::string& what, sdk::integration::PageInterface& page,
                const std::string& old = std::string())
    {
        m_log.push_back(label + " " + what + " " + pageLabel(page) + (old.empty() ? "" : " " + old));
        if (onCall)
            onCall(page);
    }

    Log& m_log;
    std::string m_label;
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_PAGERECORDER_H
