#include "ReplaySession.h"

#include <algorithm>
#include <exception>

namespace orvane {
namespace replay {

namespace {
ReplaySession* s_current = nullptr;
} // namespace

std::map<std::string, ReplaySession::Callback> ReplaySession::callbacks;
std::vector<ReplaySession::Callback> ReplaySession::stateChangeCallbacks;

ReplaySession::ReplaySession(const Recording& recording)
    : m_recording(recording), m_cursor(0), m_currentCallback(nullptr)
{
    s_current = this;
    // The session's manager and monitor register these again; until they
    // do, an earlier session's objects (freed with its host) are never
    // called: a shrunk recording may lack the init() that registers them.
    for (const char* perManager : {"pageCreate", "pageDestroy", "pageNewCurrent", "renderQuery", "renderDest",
                                   "swapBuffers", "renderDestSize", "busyEvents"})
        callbacks.erase(perManager);
}

ReplaySession::~ReplaySession() { s_current = nullptr; }

ReplaySession* ReplaySession::current() { return s_current; }

const RecordedSpan* ReplaySession::enter(const char* category, const char* name)
{
    const std::vector<RecordedSpan>& spans = m_recording.spans();
    // The crossing is in the span the library is in; else one of its own
    // listeners asks after the host's listener acted; else (the cursor lags
    // behind what the library recorded by itself) it is further on, before
    // the next thing the host does at the top.
    const int open = openSpan();
    std::size_t at = find(category, name, open >= 0 ? spans[static_cast<std::size_t>(open)].end : spans.size());
    if (at == spans.size())
    {
        if (const RecordedSpan* asked = askedInListeners(category, name))
            return asked;
        std::size_t top = m_cursor;
        while (top < spans.size() && spans[top].parent >= 0)
            top = static_cast<std::size_t>(spans[top].parent);
        at = find(category, name, top < spans.size() ? spans[top].end : spans.size());
    }
    if (at == spans.size())
    {
        lost = true;
        return nullptr;
    }
    m_cursor = at + 1;
    return &spans[at];
}

std::size_t ReplaySession::find(const char* category, const char* name, std::size_t end) const
{
    const std::vector<RecordedSpan>& spans = m_recording.spans();
    std::size_t at = m_cursor;
    // The application lock is walked into: the library's own calls under it
    // (a print preview set in a listener set) are there.
    while (at < end && !spans[at].is(category, name))
    {
        if (m_recording.isHostQuery(at) && spans[at].name() != "AppLock")
            at = spans[at].end;
        else if (Recording::isCrossing(spans[at]))
            break;
        else
            ++at;
    }
    return at < end && spans[at].is(category, name) ? at : spans.size();
}

void ReplaySession::actInHostSpan(const char* name)
{
    // The library's own listeners, called before the host's, may have made
    // their engine calls inside the span already: the cursor is in it.
    const std::vector<RecordedSpan>& spans = m_recording.spans();
    const int at = openSpan();
    const RecordedSpan* span =
        at >= 0 && spans[static_cast<std::size_t>(at)].is("host", name) ? &spans[static_cast<std::size_t>(at)] : enter("host", name);
    if (span != nullptr && m_host)
        m_host(span->end, std::string(name).find("listeners") == std::string::npos);
    if (span != nullptr && span->span->results.contains("threw"))
        throw HostFault();
}

const RecordedSpan* ReplaySession::askedInListeners(const char* category, const char* name)
{
    // The listener set the host acted in last, inside the open span.
    const std::vector<RecordedSpan>& spans = m_recording.spans();
    const int open = openSpan();
    int set = static_cast<int>(m_cursor) - 1;
    while (set > open && !(spans[static_cast<std::size_t>(set)].category() == "host" &&
                           spans[static_cast<std::size_t>(set)].name().find("listeners") != std::string::npos))
        set = spans[static_cast<std::size_t>(set)].parent;
    if (set <= open)
        return nullptr;
    const RecordedSpan& listeners = spans[static_cast<std::size_t>(set)];
    for (std::size_t at = static_cast<std::size_t>(set) + 1; at < listeners.end; ++at)
        if (spans[at].is(category, name) && spans[at].end == at + 1 && m_recording.isHostQuery(at) &&
            m_askedLate.insert(at).second)
            return &spans[at];
    return nullptr;
}

int ReplaySession::openSpan() const
{
    const std::vector<RecordedSpan>& spans = m_recording.spans();
    int at = static_cast<int>(m_cursor) - 1;
    while (at >= 0 && spans[static_cast<std::size_t>(at)].end <= m_cursor)
        at = spans[static_cast<std::size_t>(at)].parent;
    return at;
}

void ReplaySession::actAsHost(std::size_t end, bool queries)
{
    if (m_host)
        m_host(end, queries);
}

void ReplaySession::fireCallbacksIn(const RecordedSpan& span)
{
    const std::vector<RecordedSpan>& spans = m_recording.spans();
    std::size_t at = static_cast<std::size_t>(&span - spans.data()) + 1;
    // Library spans around callbacks (a frame) are walked into. The engine
    // keeps the first exception a callback throws and finishes its call
    // before it passes the exception on, as the recording shows.
    std::exception_ptr failure;
    while (at < span.end)
    {
        if (spans[at].category() == "callback")
        {
            try
            {
                fire(at);
            }
            catch (...)
            {
                if (!failure)
                    failure = std::current_exception();
            }
            at = spans[at].end;
        }
        else if (spans[at].is("engine", "OrvUtilParentLockStart"))
            at = stateChangeAt(at, span.end);
        else if (Recording::isCrossing(spans[at]))
            at = spans[at].end;
        else
            ++at;
    }
    m_cursor = std::max(m_cursor, span.end);
    if (failure)
        std::rethrow_exception(failure);
}

std::size_t ReplaySession::stateChangeAt(std::size_t start, std::size_t end)
{
    // The library takes the parent lock around each delivery of a state
    // change; the code is the one handed to pages, if any was.
    const std::vector<RecordedSpan>& spans = m_recording.spans();
    int code = 0;
    std::size_t after = start + 1;
    for (std::size_t at = start + 1; at < end; at = spans[at].end)
    {
        after = spans[at].end;
        if (spans[at].is("callback", "stateChange"))
            code = static_cast<int>(spans[at].number("change"));
        if (spans[at].is("engine", "OrvUtilParentLockFinish"))
            break;
    }
    m_cursor = start;
    deliverStateChange(code);
    return std::max(m_cursor, after);
}

void ReplaySession::learn(long long number, long long value)
{
    if (number != 0)
        m_handles[number] = value;
}

long long ReplaySession::handle(long long number)
{
    if (number == 0)
        return 0;
    long long& value = m_handles[number];
    if (value == 0)
    {
        m_unknownHandles.emplace_back(new char());
        value = reinterpret_cast<long long>(m_unknownHandles.back().get());
    }
    return value;
}

} // namespace replay
} // namespace orvane
