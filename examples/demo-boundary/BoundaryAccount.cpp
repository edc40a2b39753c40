#include "BoundaryAccount.h"

#include "integration/PageInterface.h"

#include "ovsdkbase/SimulatedEngine.h"

#include <algorithm>
#include <map>

namespace sim = orvane::sim;

namespace {

// Engine calls kept before they are written even without a new step (a
// user who only moves the mouse over a plot).
const std::size_t MaxPendingEngineCalls = 10000;

} // namespace

std::string describePage(orvane::sdk::integration::PageInterface& page)
{
    const std::string name = page.getName();
    return "page #" + std::to_string(page.getUniqueID()) + (name.empty() ? "" : " \"" + name + "\"");
}

BoundaryAccount::BoundaryAccount(std::ostream& out) : m_out(out) {}

void BoundaryAccount::road(const std::string& title)
{
    flush();
    m_out << "\n=== " << title << " ===\n";
}

void BoundaryAccount::user(const std::string& text) { step("user    > ", text); }

void BoundaryAccount::host(const std::string& text) { step("host    > ", text); }

void BoundaryAccount::engine(const std::string& text) { step("engine  > ", text); }

void BoundaryAccount::step(const char* who, const std::string& text)
{
    flush();
    m_out << who << text << "\n";
}

void BoundaryAccount::toHost(const std::string& kind, const std::string& text)
{
    const auto told = std::find_if(m_told.begin(), m_told.end(), [&kind](const Told& t) { return t.kind == kind; });
    if (told != m_told.end())
    {
        told->text = text;
        ++told->count;
    }
    else
        m_told.push_back(Told{kind, text, 1});
    if (sim::calls().size() > MaxPendingEngineCalls)
        flush();
}

void BoundaryAccount::flush()
{
    writeEngineCalls();
    writeTold();
    m_out.flush();
}

void BoundaryAccount::writeEngineCalls()
{
    struct Summary
    {
        const sim::EngineCall* first;
        std::size_t count;
    };
    std::vector<Summary> summaries;
    std::map<std::string, std::size_t> indexByName;
    for (const sim::EngineCall& call : sim::calls())
    {
        const auto found = indexByName.emplace(call.name, summaries.size());
        if (found.second)
            summaries.push_back(Summary{&call, 0});
        ++summaries[found.first->second].count;
    }
    for (const Summary& summary : summaries)
    {
        m_out << "  library > engine: " << summary.first->text();
        if (summary.first->lockDepth > 0)
            m_out << "   [under AppLock " << summary.first->lockValue << "]";
        if (summary.count > 1)
            m_out << "   (" << summary.count << " calls, the first shown)";
        m_out << "\n";
    }
    sim::clearCalls();
}

void BoundaryAccount::writeTold()
{
    for (const Told& told : m_told)
    {
        m_out << "  library > host:   " << told.kind;
        if (!told.text.empty())
            m_out << ": " << told.text;
        if (told.count > 1)
            m_out << "   (" << told.count << " times, the last shown)";
        m_out << "\n";
    }
    m_told.clear();
}
