#include "TraceAnalysis.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace orvane {
namespace tracesummary {

using nlohmann::json;

namespace {

// The text under `key` of `object`, or `fallback` when `object` is no
// object or has no text there.
std::string textAt(const json& object, const char* key, const std::string& fallback)
{
    if (!object.is_object())
        return fallback;
    const auto found = object.find(key);
    return found != object.end() && found->is_string() ? found->get<std::string>() : fallback;
}

// A number as a whole number: false for no number, or one beyond the range.
bool wholeNumber(const json& value, long long& number)
{
    if (value.is_number_integer())
    {
        number = value.get<long long>();
        return true;
    }
    if (!value.is_number_float())
        return false;
    const double real = value.get<double>();
    if (!(real >= -9.2e18 && real <= 9.2e18))
        return false;
    number = static_cast<long long>(real);
    return true;
}

} // namespace

long long Span::number(const char* key, long long fallback) const
{
    const auto found = args.find(key);
    long long value = fallback;
    return found != args.end() && wholeNumber(*found, value) ? value : fallback;
}

TraceAnalysis::TraceAnalysis(const json& document)
{
    if (!document.is_object() || !document.contains("traceEvents") || !document["traceEvents"].is_array())
    {
        m_problems.push_back("the document is no object with a \"traceEvents\" array");
        return;
    }
    const auto other = document.find("otherData");
    if (other != document.end() && other->is_object() && textAt(*other, "format", "") == "orvane-boundary-trace")
    {
        const auto version = other->find("schemaVersion");
        if (version != other->end() && version->is_number_integer())
            m_schemaVersion = version->get<int>();
        m_checkedMode = other->value("checkedMode", false);
    }
    if (textAt(document, "displayTimeUnit", "") != "ns")
        m_problems.push_back("the document's \"displayTimeUnit\" is not \"ns\"");
    const json& events = document["traceEvents"];
    for (std::size_t i = 0; i < events.size(); ++i)
        read(events[i], i);
    for (const auto& entry : m_flows)
        if (!entry.second.started)
            m_problems.push_back("flow " + std::to_string(entry.first) + " ends without a start");
}

TraceAnalysis TraceAnalysis::fromText(const std::string& text)
{
    json document;
    try
    {
        document = json::parse(text);
    }
    catch (const json::out_of_range& error)
    {
        // A number beyond a double's range: no document that can be read.
        throw json::parse_error::create(406, 0, error.what(), nullptr);
    }
    return TraceAnalysis(document);
}

void TraceAnalysis::read(const json& event, std::size_t index)
{
    const std::string where = "event " + std::to_string(index);
    if (!event.is_object() || !event.contains("ph") || !event["ph"].is_string() || !event.contains("pid") ||
        !event.contains("tid") || !event["tid"].is_number_integer())
    {
        m_problems.push_back(where + " lacks \"ph\", \"pid\" or \"tid\"");
        return;
    }
    const std::string phase = event["ph"];
    const long long tid = event["tid"];
    if (phase == "M")
    {
        if (textAt(event, "name", "") == "thread_name")
            m_trackNames[tid] = event.contains("args") ? textAt(event["args"], "name", "") : std::string();
        return;
    }
    if (!event.contains("ts") || !event["ts"].is_number())
    {
        m_problems.push_back(where + " lacks a numeric \"ts\"");
        return;
    }
    const double ts = event["ts"];
    const auto last = m_lastTs.find(tid);
    if (last != m_lastTs.end() && ts < last->second)
        m_problems.push_back(where + " goes back in time on track " + std::to_string(tid));
    m_lastTs[tid] = ts;
    std::vector<std::size_t>& open = m_open[tid];
    const bool named = event.contains("name") && event["name"].is_string();
    if (phase == "B")
    {
        if (!named || !event.contains("cat") || !event["cat"].is_string() ||
            (event.contains("args") && !event["args"].is_object()))
        {
            m_problems.push_back(where + " (B) lacks \"name\" or \"cat\", or its \"args\" are no object");
            return;
        }
        Span span;
        span.name = event["name"];
        span.category = event["cat"];
        span.tid = tid;
        span.begin = ts;
        span.depth = static_cast<int>(open.size());
        span.parent = open.empty() ? -1 : static_cast<long long>(open.back());
        if (event.contains("args"))
        {
            span.args.update(event["args"]);
            span.arguments = event["args"];
        }
        open.push_back(m_spans.size());
        m_spans.push_back(span);
    }
    else if (phase == "E")
    {
        if (open.empty())
        {
            m_problems.push_back(where + " (E) ends no open span on track " + std::to_string(tid));
            return;
        }
        if (event.contains("args") && !event["args"].is_object())
        {
            m_problems.push_back(where + " (E) has \"args\" that are no object");
            return;
        }
        Span& span = m_spans[open.back()];
        open.pop_back();
        span.end = ts;
        span.closed = true;
        if (event.contains("args"))
        {
            span.args.update(event["args"]);
            span.results = event["args"];
        }
    }
    else if (phase == "s" || phase == "f")
    {
        if (!named || !event.contains("id") || !event["id"].is_number_integer())
        {
            m_problems.push_back(where + " (flow) lacks \"name\" or an integer \"id\"");
            return;
        }
        Flow& flow = m_flows[event["id"].get<long long>()];
        flow.name = event["name"];
        const long long enclosing = open.empty() ? -1 : static_cast<long long>(open.back());
        if (enclosing < 0)
            m_problems.push_back(where + " (flow) is in no span");
        if (phase == "s")
        {
            if (flow.started)
                m_problems.push_back(where + " starts flow " + std::to_string(event["id"].get<long long>()) + " again");
            flow.started = true;
            flow.start = ts;
            flow.startSpan = enclosing;
        }
        else
        {
            if (flow.ended || !flow.started)
                m_problems.push_back(where + " ends flow " + std::to_string(event["id"].get<long long>()) +
                                     " that is not waiting");
            flow.ended = true;
            flow.end = ts;
            flow.endSpan = enclosing;
        }
    }
    else if (phase == "C")
    {
        long long value = 0;
        if (!named || !event.contains("args") || !event["args"].is_object() || !event["args"].contains("value") ||
            !wholeNumber(event["args"]["value"], value))
        {
            m_problems.push_back(where + " (C) lacks \"name\" or a numeric \"value\"");
            return;
        }
        m_counters[event["name"]].push_back(CounterSample{ts, value});
    }
    else if (phase != "i")
        m_problems.push_back(where + " has an unknown phase \"" + phase + "\"");
}

std::vector<const Span*> TraceAnalysis::openSpans() const
{
    std::vector<const Span*> open;
    for (const Span& span : m_spans)
        if (!span.closed)
            open.push_back(&span);
    return open;
}

std::vector<const Flow*> TraceAnalysis::waitingFlows() const
{
    std::vector<const Flow*> waiting;
    for (const auto& entry : m_flows)
        if (entry.second.started && !entry.second.ended)
            waiting.push_back(&entry.second);
    return waiting;
}

std::vector<const Span*> TraceAnalysis::spansNamed(const std::string& name) const
{
    std::vector<const Span*> named;
    for (const Span& span : m_spans)
        if (span.name == name)
            named.push_back(&span);
    return named;
}

// --- summary ------------------------------------------------------------------

namespace {

// Durations in microseconds: their count, p50, p95 and maximum, in ms.
std::string figures(std::vector<double> values)
{
    if (values.empty())
        return "none";
    std::sort(values.begin(), values.end());
    const auto rank = [&values](double p) {
        std::size_t index = static_cast<std::size_t>(p * static_cast<double>(values.size()) + 0.999999);
        index = std::max<std::size_t>(index, 1);
        return values[std::min(index, values.size()) - 1];
    };
    char text[160];
    std::snprintf(text, sizeof text, "%zu, p50 %.3f ms, p95 %.3f ms, max %.3f ms", values.size(), rank(0.5) / 1000,
                  rank(0.95) / 1000, values.back() / 1000);
    return text;
}

} // namespace

void summarize(const TraceAnalysis& trace, std::ostream& out)
{
    const std::vector<Span>& spans = trace.spans();

    // Frames, per page and overall.
    std::map<long long, std::vector<double>> framesByPage;
    std::vector<double> frames;
    std::map<long long, int> refusedByPage;
    int refused = 0;
    for (const Span& span : spans)
    {
        if (span.name != "frame" || !span.closed || span.number("drawn", 1) == 0)
            continue;
        const long long page = span.number("page");
        framesByPage[page].push_back(span.duration());
        frames.push_back(span.duration());
        if (span.number("swapped", 1) == 0)
        {
            ++refusedByPage[page];
            ++refused;
        }
    }
    out << "frames: " << figures(frames) << "; swaps refused (interrupted frames): " << refused << "\n";
    for (const auto& entry : framesByPage)
        out << "  page " << entry.first << ": " << figures(entry.second)
            << "; swaps refused: " << refusedByPage[entry.first] << "\n";

    // Input: from the host's report to the idle pass that hands it over.
    std::vector<double> delays;
    std::map<std::string, int> dropped;
    int waiting = 0;
    std::map<std::string, std::vector<double>> requestWaits;
    int requestsDropped = 0;
    for (const auto& entry : trace.flows())
    {
        const Flow& flow = entry.second;
        if (!flow.started || !flow.ended)
        {
            waiting += flow.started ? 1 : 0;
            continue;
        }
        const Span* end = flow.endSpan >= 0 ? &spans[static_cast<std::size_t>(flow.endSpan)] : nullptr;
        if (flow.name == "input")
        {
            if (end != nullptr && end->name == "input.drop")
                ++dropped[textAt(end->args, "reason", "?")];
            else
                delays.push_back(flow.end - flow.start);
        }
        else if (end != nullptr && end->name == "request dropped")
            ++requestsDropped;
        else
            requestWaits[flow.name].push_back(flow.end - flow.start);
    }
    out << "input to dispatch: " << figures(delays) << "\n";
    for (const auto& entry : dropped)
        out << "  dropped (" << entry.first << "): " << entry.second << "\n";
    if (waiting > 0)
        out << "flows still waiting at the end (input queued, requests waiting): " << waiting << "\n";

    std::vector<double> busy;
    std::vector<double> idle;
    for (const Span& span : spans)
        if (span.closed && span.name == "busy pass")
            busy.push_back(span.duration());
        else if (span.closed && span.name == "idle pass")
            idle.push_back(span.duration());
    out << "busy passes: " << figures(busy) << "\n";
    out << "idle passes: " << figures(idle) << "\n";

    out << "requests that waited:";
    if (requestWaits.empty() && requestsDropped == 0)
        out << " none";
    out << "\n";
    for (const auto& entry : requestWaits)
        out << "  " << entry.first << ": " << figures(entry.second) << "\n";
    if (requestsDropped > 0)
        out << "  dropped while waiting: " << requestsDropped << "\n";

    const std::vector<const Span*> open = trace.openSpans();
    out << "spans left open: " << (open.empty() ? "none" : std::to_string(open.size())) << "\n";
    for (const Span* span : open)
    {
        char since[48];
        std::snprintf(since, sizeof since, "%.3f ms", span->begin / 1000);
        out << "  " << span->name << " (" << span->category << ") on track " << span->tid << " since " << since
            << "\n";
    }
    if (!trace.problems().empty())
    {
        out << "problems of the document: " << trace.problems().size() << "\n";
        for (std::size_t i = 0; i < trace.problems().size() && i < 20; ++i)
            out << "  " << trace.problems()[i] << "\n";
    }
}

int summarizeText(const std::string& text, const std::string& name, std::ostream& out, std::ostream& err)
{
    try
    {
        const TraceAnalysis trace = TraceAnalysis::fromText(text);
        if (trace.schemaVersion() == 0)
        {
            err << "trace-summary: " << name
                << " has no schema version: not a trace this library wrote, or an older one\n";
            return 2;
        }
        if (trace.schemaVersion() != TraceAnalysis::ReadSchemaVersion)
        {
            err << "trace-summary: " << name << " has schema version " << trace.schemaVersion()
                << "; this tool reads version " << TraceAnalysis::ReadSchemaVersion
                << ": record it again with this library\n";
            return 2;
        }
        summarize(trace, out);
        return trace.problems().empty() ? 0 : 2;
    }
    catch (const json::exception& error)
    {
        err << "trace-summary: " << name << " is no JSON document: " << error.what() << "\n";
        return 1;
    }
}

} // namespace tracesummary
} // namespace orvane
