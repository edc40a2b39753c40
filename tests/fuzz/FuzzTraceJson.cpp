// Fuzz target: the trace summary's reading of a document. Text that is no
// JSON is refused with a parse error; any JSON document is read, its
// faults listed as problems, and summarized, with no other exception.
#include "TraceAnalysis.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    try
    {
        const orvane::tracesummary::TraceAnalysis trace = orvane::tracesummary::TraceAnalysis::fromText(text);
        std::ostringstream summary;
        orvane::tracesummary::summarize(trace, summary);
        trace.openSpans();
        trace.waitingFlows();
    }
    catch (const nlohmann::json::parse_error&)
    {
    }
    return 0;
}
