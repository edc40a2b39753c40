#include "Replay.h"

#include "Comparison.h"
#include "ReplayHost.h"
#include "ReplaySession.h"

#include "integration/Diagnostics.h"
#include "integration/Trace.h"

#include <exception>
#include <memory>

namespace orvane {
namespace replay {

Outcome replay(const Recording& recording, RealDrawing* drawing)
{
    Comparison comparison(recording);
    std::string failure;
    {
        ReplaySession session(recording);
        session.drawing = drawing;
        // The replay records from where the recording started: with the
        // host's construction (the monitor's busy registration, or the
        // services' made current before it) or after it.
        const std::vector<RecordedSpan>& spans = recording.spans();
        std::size_t first = 0;
        while (first < spans.size() && !spans[first].is("engine", "OrvEngProcessBusyEventsRegisterCallback") &&
               (spans[first].is("request", "setCheckedMode") ||
                spans[first].name().find("RegisterCallback") != std::string::npos))
            ++first;
        const bool fromConstruction =
            first < spans.size() && spans[first].is("engine", "OrvEngProcessBusyEventsRegisterCallback");
        sdk::integration::Diagnostics::setCheckedMode(recording.checkedMode());
        try
        {
            std::unique_ptr<ReplayHost> host(fromConstruction ? nullptr : new ReplayHost(session));
            Comparison::start(comparison);
            if (!host)
                host.reset(new ReplayHost(session));
            host->run();
            sdk::integration::Trace::stop();
        }
        catch (const std::exception& error)
        {
            failure = error.what();
        }
        catch (...)
        {
            failure = "an exception of no standard type";
        }
        sdk::integration::Trace::stop();
    }
    Outcome outcome = comparison.finish();
    if (!failure.empty())
    {
        outcome.report += "the replay ended with an exception: " + failure + "\n";
        if (!outcome.diverged)
            outcome.signature = "exception: " + failure;
        outcome.diverged = true;
    }
    return outcome;
}

} // namespace replay
} // namespace orvane
