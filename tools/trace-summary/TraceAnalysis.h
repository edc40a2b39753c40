#ifndef ORVANE_TOOLS_TRACEANALYSIS_H
#define ORVANE_TOOLS_TRACEANALYSIS_H

#include <nlohmann/json.hpp>

#include <cstddef>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace orvane {
namespace tracesummary {

// One span of a track: from its "B" event to its "E" event.
struct Span
{
    std::string name;
    std::string category;
    long long tid = 0;
    double begin = 0; // microseconds
    double end = 0;   // when closed
    bool closed = false;
    int depth = 0;              // spans open around it on its track
    long long parent = -1;      // index of the span around it, -1 for none
    nlohmann::json args = nlohmann::json::object(); // of its "B" and "E" events
    nlohmann::json arguments = nlohmann::json::object(); // of its "B" event alone
    nlohmann::json results = nlohmann::json::object();   // of its "E" event alone

    double duration() const { return end - begin; }
    // A number argument, or `fallback` when the span has none.
    long long number(const char* key, long long fallback = -1) const;
};

// A flow, from its "s" event to its "f" event, with the spans they bind to.
struct Flow
{
    std::string name;
    long long startSpan = -1;
    long long endSpan = -1;
    double start = -1;
    double end = -1;
    bool started = false;
    bool ended = false;
};

struct CounterSample
{
    double ts = 0;
    long long value = 0;
};

// A trace in the Trace Event Format's JSON object form, as the library
// writes it: its "otherData" names the format ("orvane-boundary-trace") and
// the schema version of the events; "B"/"E" spans per track, "s"/"f" flows, "C" counters, "i"
// instants and "M" metadata. Reading checks the document and lists what
// is wrong with it: a missing or mistyped field, an "E" with no open span,
// timestamps going back on a track, a flow that ends without a start or
// outside every span. Spans open and flows waiting when the recording
// stopped are no problem of the document: they are listed apart.
class TraceAnalysis
{
public:
    // The schema version this reader knows. Schema 2: engine calls carry
    // "lock", their arguments by name and, on their "E", "result"; host
    // calls carry their arguments and "result". Schema 3: addPage carries its
    // drawing area, and the host's reports to its monitor are requests.
    static constexpr int ReadSchemaVersion = 3;

    explicit TraceAnalysis(const nlohmann::json& document);
    // Throws nlohmann::json::parse_error for a document that is no JSON.
    static TraceAnalysis fromText(const std::string& text);

    const std::vector<Span>& spans() const { return m_spans; }
    const std::map<long long, Flow>& flows() const { return m_flows; }
    const std::map<std::string, std::vector<CounterSample>>& counters() const { return m_counters; }
    const std::vector<std::string>& problems() const { return m_problems; }
    std::map<long long, std::string> trackNames() const { return m_trackNames; }
    std::vector<const Span*> openSpans() const;
    // Flows started and not ended when the recording stopped.
    std::vector<const Flow*> waitingFlows() const;
    std::vector<const Span*> spansNamed(const std::string& name) const;
    // The schema version the document names; 0 when it names none (no
    // "otherData", or another format).
    int schemaVersion() const { return m_schemaVersion; }
    // Whether checked mode was on as the recording started.
    bool checkedMode() const { return m_checkedMode; }

private:
    void read(const nlohmann::json& event, std::size_t index);

    std::vector<Span> m_spans;
    std::map<long long, Flow> m_flows;
    std::map<std::string, std::vector<CounterSample>> m_counters;
    std::vector<std::string> m_problems;
    std::map<long long, std::string> m_trackNames;
    // Per track: the open spans (indices) and the last timestamp.
    std::map<long long, std::vector<std::size_t>> m_open;
    std::map<long long, double> m_lastTs;
    int m_schemaVersion = 0;
    bool m_checkedMode = false;
};

// The figures a host writer reads first: frames per page and overall,
// input-to-dispatch delays, busy passes, requests that waited, spans left
// open and problems of the document. `out` receives the text.
void summarize(const TraceAnalysis& trace, std::ostream& out);

// What trace-summary does with the text of the file `name`: the summary to
// `out` and its exit status, 0, or 2 when the document has problems. A
// document of another schema version, or of none, gets no summary: a line
// to `err` and 2. Text that is no JSON: a line to `err` and 1.
int summarizeText(const std::string& text, const std::string& name, std::ostream& out, std::ostream& err);

} // namespace tracesummary
} // namespace orvane

#endif // ORVANE_TOOLS_TRACEANALYSIS_H
