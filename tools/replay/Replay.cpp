#include "Replay.h"

#include "ReplayHost.h"
#include "ReplaySession.h"

#include "integration/Trace.h"

#include <exception>

namespace orvane {
namespace replay {

Outcome replay(const Recording& recording)
{
    std::string text;
    std::string failure;
    {
        ReplaySession session(recording);
        sdk::integration::Trace::start([&text](const char* data, std::size_t size) { text.append(data, size); },
                                       1 << 20);
        try
        {
            ReplayHost host(session);
            try
            {
                host.run();
            }
            catch (...)
            {
                sdk::integration::Trace::stop();
                throw;
            }
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
    Outcome outcome = compare(recording, Recording::fromText(text, "the replay's recording"));
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
