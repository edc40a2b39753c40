#ifndef ORVANE_TESTS_SUPPORT_PAGERECORDER_H
#define ORVANE_TESTS_SUPPORT_PAGERECORDER_H

#include "integration/PageChangeListenerInterface.h"
#include "integration/PageManagerListenerInterface.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orvane {
namespace test {

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

    PageRecorder(Log& log, std::string label);

    std::map<const sdk::integration::GLDrawAreaInterface*, std::string> areaNames;
    // Runs after each call is logged, with the page of the call.
    std::function<void(sdk::integration::PageInterface&)> onCall;

    // Logs the signals under the label "signal".
    void recordSignals(sdk::integration::PageManagerInterface& manager);
    void recordSignals(sdk::integration::PageInterface& page);

    void pageCreated(sdk::integration::PageInterface& page, sdk::integration::PageManagerInterface& manager) override;
    void pageDestroyed(sdk::integration::PageInterface& page, sdk::integration::PageManagerInterface& manager) override;
    void currentPageChanged(sdk::integration::PageInterface& page,
                            sdk::integration::PageManagerInterface& manager) override;
    void pageNameChanged(std::string oldName, sdk::integration::PageInterface& page) override;
    void pageDrawAreaChanged(sdk::integration::GLDrawAreaInterface* oldDrawArea,
                             sdk::integration::PageInterface& page) override;

    std::string areaName(const sdk::integration::GLDrawAreaInterface* drawArea) const;

private:
    void record(const std::string& label, const std::string& what, sdk::integration::PageInterface& page,
                const std::string& old = std::string());

    Log& m_log;
    std::string m_label;
};

// "#<unique id>"
std::string pageLabel(sdk::integration::PageInterface& page);

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_PAGERECORDER_H
