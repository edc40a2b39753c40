#ifndef ORVANE_INTEGRATION_INTERN_TRACEOBSERVER_H
#define ORVANE_INTEGRATION_INTERN_TRACEOBSERVER_H

#include "util/Export.h"

#include <initializer_list>
#include <string>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// One argument or result of a recorded span: a number, or a text when
// `text` is set.
struct TraceArg
{
    // The argument's name, a literal of the library.
    const char* key;
    // Its value, when it is a number.
    long long number;
    // Its value, when it is a text (whole: a trace document cuts it).
    const char* text;
};

// What a recording hands its spans to instead of writing them: the spans of
// the thread that started it, as they begin and end. A tool that checks a
// run against a recorded one (the replay) compares each crossing as it
// happens, with no document written and read again. The values are those a
// trace document carries (handles as their recorded numbers), no timestamp.
class OVSDK_INTEGRATION_EXPORT TraceObserver
{
public:
    // A span begins, with its arguments; `category` and `name` are literals
    // of the library.
    //
    // @thread_safety Called on the thread that started the recording.
    // @reentrancy Must not call the library.
    virtual void begin(const char* category, const char* name, std::initializer_list<TraceArg> args) = 0;
    // The innermost open span ends, with its results.
    //
    // @thread_safety As begin().
    // @reentrancy As begin().
    virtual void end(std::initializer_list<TraceArg> args) = 0;

    // Starts a recording that hands the calling thread's spans to
    // `observer` (other threads' go nowhere); Trace::stop() ends it and
    // Trace::isRecording() tells it runs. Returns false, and changes
    // nothing, when a recording runs already.
    //
    // @errors std::bad_alloc when the thread's recording state cannot be
    // allocated.
    // @thread_safety As Trace::start().
    static bool start(TraceObserver& observer);

    // The text a trace document carries for the text argument `text`: each
    // byte of an ill-formed UTF-8 sequence as U+FFFD, cut to 120 bytes
    // before a character that would not fit whole.
    //
    // @errors std::bad_alloc.
    // @thread_safety Any thread.
    static std::string recordedText(const char* text);

protected:
    // Not deleted through this interface.
    ~TraceObserver() = default;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_TRACEOBSERVER_H
