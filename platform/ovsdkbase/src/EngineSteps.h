// Internal steps shared between the areas of the simulated engine. They are
// not C API calls, so they leave no trace in the call log.
#ifndef OVSDKBASE_ENGINESTEPS_H
#define OVSDKBASE_ENGINESTEPS_H

#include "EngineState.h"

#include <string>

namespace orvane {
namespace sim {
namespace detail {

// Engine texts: every text the engine hands out is tracked until it comes
// back through OrvUtilStringDealloc.
char* allocateText(int size);              // zero-filled; null when size < 1
char* copyText(const std::string& text);
// Frees a tracked text; an unknown pointer (released twice, or never handed
// out) is recorded as a misuse and left alone. True when it was freed.
bool releaseText(char* text, const char* caller);
void forgetTexts();
void forgetStateChangeCallbacks();

PageState* pageById(UniqueID_t id);
// The engine deletes every page at shutdown: the destroy callback of each,
// newest first, and no page becomes current meanwhile.
void destroyAllPages();

// The busy-events callback, once (the host processes its pending events).
void processBusyEvents();

// Counts one running activity (a busy operation, a frame's busy steps) for
// the lifetime of the object, also when a callback throws.
class ScopedCount
{
public:
    explicit ScopedCount(int& counter) : m_counter(counter) { ++m_counter; }
    ~ScopedCount() { --m_counter; }
    ScopedCount(const ScopedCount&) = delete;
    ScopedCount& operator=(const ScopedCount&) = delete;

private:
    int& m_counter;
};

} // namespace detail
} // namespace sim
} // namespace orvane

#endif // OVSDKBASE_ENGINESTEPS_H
