#include "support/PageRecorder.h"

#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"

namespace orvane {
namespace test {

using namespace sdk::integration;

std::string pageLabel(PageInterface& page) { return "#" + std::to_string(page.getUniqueID()); }

PageRecorder::PageRecorder(Log& log, std::string label) : m_log(log), m_label(std::move(label)) {}

void PageRecorder::recordSignals(PageManagerInterface& manager)
{
    manager.connectPageCreated([this](PageInterface& page) { record("signal", "created", page); });
    manager.connectPageDestroyed([this](PageInterface& page) { record("signal", "destroyed", page); });
    manager.connectPageCurrentChanged([this](PageInterface& page) { record("signal", "current", page); });
}

void PageRecorder::recordSignals(PageInterface& page)
{
    PageInterface* const source = &page;
    page.connectNameChanged([this, source](const std::string& oldName) { record("signal", "name", *source, oldName); });
    page.connectDrawAreaChanged(
        [this, source](GLDrawAreaInterface* oldDrawArea) { record("signal", "area", *source, areaName(oldDrawArea)); });
}

void PageRecorder::pageCreated(PageInterface& page, PageManagerInterface&) { record(m_label, "created", page); }

void PageRecorder::pageDestroyed(PageInterface& page, PageManagerInterface&) { record(m_label, "destroyed", page); }

void PageRecorder::currentPageChanged(PageInterface& page, PageManagerInterface& manager)
{
    PageInterface* current = manager.getCurrentPage();
    record(m_label, "current " + (current != nullptr ? pageLabel(*current) : std::string("none")) + " was", page);
}

void PageRecorder::pageNameChanged(std::string oldName, PageInterface& page)
{
    record(m_label, "name", page, oldName);
}

void PageRecorder::pageDrawAreaChanged(GLDrawAreaInterface* oldDrawArea, PageInterface& page)
{
    record(m_label, "area", page, areaName(oldDrawArea));
}

std::string PageRecorder::areaName(const GLDrawAreaInterface* drawArea) const
{
    if (drawArea == nullptr)
        return "null";
    auto found = areaNames.find(drawArea);
    return found != areaNames.end() ? found->second : "unnamed";
}

void PageRecorder::record(const std::string& label, const std::string& what, PageInterface& page,
                          const std::string& old)
{
    m_log.push_back(label + " " + what + " " + pageLabel(page) + (old.empty() ? "" : " " + old));
    if (onCall)
        onCall(page);
}

} // namespace test
} // namespace orvane
