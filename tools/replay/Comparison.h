// The comparison of a replay with its recording, crossing by crossing as the
// library makes them: the recorder hands the replay's spans over as they
// begin and end, and each is checked against the recorded one it should be.
#ifndef ORVANE_TOOLS_REPLAY_COMPARISON_H
#define ORVANE_TOOLS_REPLAY_COMPARISON_H

#include "Recording.h"
#include "Replay.h"

#include "integration/intern/TraceObserver.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orvane {
namespace replay {

class Comparison : public sdk::integration::intern::TraceObserver
{
public:
    explicit Comparison(const Recording& recorded);

    void begin(const char* category, const char* name,
               std::initializer_list<sdk::integration::intern::TraceArg> args) override;
    void end(std::initializer_list<sdk::integration::intern::TraceArg> args) override;

    // The outcome, once the replay has ended (spans it left open end here).
    Outcome finish();

private:
    // A span of the replay open now.
    struct Open
    {
        const char* category;
        const char* name;
        bool compared; // not a host query, nor inside one
    };

    void check(const Open& span, bool end, std::initializer_list<sdk::integration::intern::TraceArg> args);
    void diverge(const std::string& replayed);

    const Recording& m_recorded;
    const std::vector<RecordedEvent>& m_expected;
    std::vector<Open> m_open;
    std::size_t m_next = 0;
    Outcome m_outcome;
};

} // namespace replay
} // namespace orvane

#endif // ORVANE_TOOLS_REPLAY_COMPARISON_H
