#include "integration/intern/boundary/TraceRecorder.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <ostream>
#include <thread>
#include <unordered_map>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

namespace {

// The longest event written: a text argument is cut to MaxTextBytes
// bytes (each escaped to at most 6), names are the library's own.
const std::size_t MaxTextBytes = 120;
const std::size_t MaxEventBytes = 2048;

// The length of the well-formed UTF-8 character at `text`, or 0.
std::size_t characterLength(const unsigned char* text)
{
    const unsigned char c = text[0];
    if (c < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80; // the second byte's range
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF)
        length = 2;
    else if (c >= 0xE0 && c <= 0xEF)
    {
        length = 3;
        low = c == 0xE0 ? 0xA0 : 0x80;  // no overlong form
        high = c == 0xED ? 0x9F : 0xBF; // no surrogate
    }
    else if (c >= 0xF0 && c <= 0xF4)
    {
        length = 4;
        low = c == 0xF0 ? 0x90 : 0x80;
        high = c == 0xF4 ? 0x8F : 0xBF; // nothing beyond U+10FFFF
    }
    else
        return 0;
    if (text[1] < low || text[1] > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((text[i] & 0xC0) != 0x80)
            return 0;
    return length;
}

// Hands `out` the text a trace records of `text`: each byte of an
// ill-formed UTF-8 sequence as U+FFFD (a document stays valid JSON whatever
// the host names its pages), cut to MaxTextBytes bytes before a character
// that would not fit whole. Recording the result again gives it unchanged.
template <typename Out>
void recordedCharacters(const char* text, Out out)
{
    static const char Replacement[] = "\xEF\xBF\xBD";
    const unsigned char* at = reinterpret_cast<const unsigned char*>(text);
    std::size_t written = 0;
    while (*at != '\0')
    {
        const std::size_t length = characterLength(at);
        const std::size_t size = length != 0 ? length : 3;
        if (written + size > MaxTextBytes)
            return;
        out(length != 0 ? reinterpret_cast<const char*>(at) : Replacement, size);
        written += size;
        at += length != 0 ? length : 1;
    }
}

// The schema version says what the events carry; a reader refuses another.
// Checked mode as the recording starts follows (one head for each, made
// once: a start costs no more than the sink's call).
#define ORVANE_TRACE_HEAD(checkedMode)                                                                                 \
    "{\"displayTimeUnit\":\"ns\","                                                                                 \
    "\"otherData\":{\"format\":\"orvane-boundary-trace\",\"schemaVersion\":3,\"checkedMode\":" checkedMode "},"    \
    "\"traceEvents\":[\n"                                                                                           \
    "{\"name\":\"process_name\",\"ph\":\"M\",\"pid\":1,\"tid\":1,"                                                    \
    "\"args\":{\"name\":\"ovsdkintegrationmanager\"}}"
const char Head[] = ORVANE_TRACE_HEAD("false");
const char CheckedHead[] = ORVANE_TRACE_HEAD("true");
#undef ORVANE_TRACE_HEAD
const char Tail[] = "\n]}\n";

// Written by start() and stop() only, which the host orders against every
// other thread's calls (Trace.h): the recording threads only read them.
Trace::Sink s_sink;
std::size_t s_bufferBytes = 0;
std::thread::id s_startThread;
std::chrono::steady_clock::time_point s_origin;
std::atomic<unsigned> s_lastSession{0};
std::atomic<int> s_nextTrack{2};
std::atomic<unsigned long long> s_nextFlowId{1};
// Flows numbered before the recording started end in none of its events.
unsigned long long s_firstFlowId = 1;
// Takes the starting thread's spans in place of the document, when set.
TraceObserver* s_observer = nullptr;

// What a thread's track owns: freed when the thread ends.
struct TrackStore
{
    std::unique_ptr<char[]> buffer;
    // The numbers handles are recorded as, in the order they were first seen.
    std::unordered_map<long long, long long> handles;
};

thread_local std::unique_ptr<TrackStore> t_store;

TrackStore& store()
{
    if (!t_store)
        t_store.reset(new TrackStore());
    return *t_store;
}

// The recording state of one thread. Plain data in the static TLS model:
// every event finds its track with one load, no lookup of the thread's
// block and no guard.
struct Track
{
    unsigned session;
    int tid;
    int depth;
    int lockDepth;
    char* buffer; // the store's
    std::size_t capacity;
    std::size_t used;
    long long lastHandle;
    // The handle named last and its number: a frame names one page often.
    long long cachedHandle;
    long long cachedID;
};

thread_local Track t_track __attribute__((tls_model("initial-exec"))) = {0, 0, 0, 0, nullptr, 0, 0, 0, 0, 0};

// Gives the track a buffer of `bytes`; false when none can be had.
bool allocate(Track& track, std::size_t bytes)
{
    TrackStore& owned = store();
    owned.buffer.reset(new (std::nothrow) char[bytes]);
    track.buffer = owned.buffer.get();
    track.capacity = track.buffer != nullptr ? bytes : 0;
    return track.buffer != nullptr;
}

// Appends JSON text to a thread's buffer, which holds room for one event.
class Writer
{
public:
    // Writes from the end of the track's buffer; the track learns what was
    // written when the writer goes.
    explicit Writer(Track& track) : m_track(track), m_cursor(track.buffer + track.used) {}
    ~Writer() { m_track.used = static_cast<std::size_t>(m_cursor - m_track.buffer); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    template <std::size_t Size>
    void raw(const char (&text)[Size])
    {
        raw(text, Size - 1);
    }
    void raw(const char* text, std::size_t size)
    {
        // Names and keys are short: two overlapping moves of a fixed size
        // copy them without a call.
        if (size >= 8 && size <= 16)
        {
            std::memcpy(m_cursor, text, 8);
            std::memcpy(m_cursor + size - 8, text + size - 8, 8);
        }
        else if (size >= 4 && size < 8)
        {
            std::memcpy(m_cursor, text, 4);
            std::memcpy(m_cursor + size - 4, text + size - 4, 4);
        }
        else
            std::memcpy(m_cursor, text, size);
        m_cursor += size;
    }
    void character(char c) { *m_cursor++ = c; }
    void number(long long value)
    {
        if (value < 0)
        {
            character('-');
            digits(0ULL - static_cast<unsigned long long>(value), 1);
        }
        else
            digits(static_cast<unsigned long long>(value), 1);
    }
    // A JSON string of the library's own (a name or category): nothing to escape.
    void name(const char* text)
    {
        character('"');
        raw(text, std::strlen(text));
        character('"');
    }
    // A JSON string of the text a trace records.
    void string(const char* text)
    {
        character('"');
        recordedCharacters(text, [this](const char* bytes, std::size_t size) {
            const unsigned char c = static_cast<unsigned char>(bytes[0]);
            if (c == '"' || c == '\\')
            {
                character('\\');
                character(static_cast<char>(c));
            }
            else if (c < 0x20)
            {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                raw(escaped, 6);
            }
            else
                raw(bytes, size);
        });
        character('"');
    }
    // Microseconds since the recording started, to the nanosecond.
    void timestamp()
    {
        const long long ns =
            std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - s_origin).count();
        const unsigned long long positive = ns > 0 ? static_cast<unsigned long long>(ns) : 0;
        digits(positive / 1000, 1);
        character('.');
        digits(positive % 1000, 3);
    }
    void args(std::initializer_list<TraceArg> args)
    {
        if (args.size() == 0)
            return;
        raw(",\"args\":{");
        bool first = true;
        for (const TraceArg& arg : args)
        {
            if (!first)
                character(',');
            first = false;
            name(arg.key);
            character(':');
            if (arg.text != nullptr)
                string(arg.text);
            else
                number(arg.number);
        }
        character('}');
    }

private:
    // `value` in decimal, with at least `width` digits, two at a time.
    void digits(unsigned long long value, int width)
    {
        static const char Pairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                    "8081828384858687888990919293949596979899";
        char text[24];
        char* end = text + sizeof text;
        char* start = end;
        while (value >= 100)
        {
            const unsigned pair = static_cast<unsigned>(value % 100) * 2;
            value /= 100;
            start -= 2;
            start[0] = Pairs[pair];
            start[1] = Pairs[pair + 1];
        }
        if (value >= 10)
        {
            const unsigned pair = static_cast<unsigned>(value) * 2;
            start -= 2;
            start[0] = Pairs[pair];
            start[1] = Pairs[pair + 1];
        }
        else
            *--start = static_cast<char>('0' + value);
        while (end - start < width)
            *--start = '0';
        raw(start, static_cast<std::size_t>(end - start));
    }

    Track& m_track;
    char* m_cursor;
};

void deliver(Track& track)
{
    if (track.used == 0)
        return;
    const std::size_t size = track.used;
    track.used = 0;
    try
    {
        if (s_sink)
            s_sink(track.buffer, size);
    }
    catch (...)
    {
        // The buffer's events are lost; the recording and the library's call go on.
    }
}

// The calling thread's track, ready for one event of the running recording
// (nullptr when none runs).
// Readies the calling thread's track for the recording `session`: its
// buffer, and the thread's name as the document's first words of it.
__attribute__((noinline)) Track* join(Track& track, unsigned session)
{
    {
        // No exception out of a recording: a thread without a buffer
        // records nothing.
        if (track.capacity != s_bufferBytes && !allocate(track, s_bufferBytes))
            return nullptr;
        track.session = session;
        track.used = 0;
        track.depth = 0;
        track.lockDepth = 0;
        store().handles.clear();
        track.lastHandle = 0;
        track.cachedHandle = 0;
        const bool gui = std::this_thread::get_id() == s_startThread;
        track.tid = gui ? 1 : s_nextTrack.fetch_add(1);
        Writer writer(track);
        writer.raw(",\n{\"name\":\"thread_name\",\"ph\":\"M\",\"pid\":1,\"tid\":");
        writer.number(track.tid);
        writer.raw(",\"args\":{\"name\":");
        if (gui)
            writer.string("GUI thread");
        else
        {
            char name[32];
            std::snprintf(name, sizeof name, "thread %d", track.tid);
            writer.string(name);
        }
        writer.raw("}}");
    }
    return &track;
}

inline Track* track()
{
    const unsigned session = TraceRecorder::session();
    if (session == 0)
        return nullptr;
    Track& track = t_track;
    if (track.session != session && join(track, session) == nullptr)
        return nullptr;
    if (track.used + MaxEventBytes > track.capacity)
        deliver(track);
    return &track;
}

// Writes the fields every event has; the caller adds the rest and '}'.
void head(Writer& writer, const Track& track, const char* category, const char* name, char phase)
{
    writer.raw(",\n{\"name\":");
    writer.name(name);
    if (category != nullptr)
    {
        writer.raw(",\"cat\":");
        writer.name(category);
    }
    writer.raw(",\"ph\":\"");
    writer.character(phase);
    writer.raw("\",\"ts\":");
    writer.timestamp();
    writer.raw(",\"pid\":1,\"tid\":");
    writer.number(track.tid);
}

// Another thread than the GUI thread hands its events over as soon as it
// leaves its outermost span: stop() cannot reach its buffer.
void done(Track& track)
{
    if (track.tid != 1 && track.depth == 0)
        deliver(track);
}

} // namespace

std::atomic<unsigned> TraceRecorder::s_session{0};

bool TraceRecorder::start(const Trace::Sink& sink, std::size_t bufferBytes)
{
    if (session() != 0 || !sink)
        return false;
    s_bufferBytes = bufferBytes < Trace::MinimumBufferBytes ? std::size_t(Trace::MinimumBufferBytes) : bufferBytes;
    s_startThread = std::this_thread::get_id();
    s_origin = std::chrono::steady_clock::now();
    s_nextTrack.store(2);
    s_firstFlowId = s_nextFlowId.load();
    // The starting thread's buffer now, where its failure can be told.
    Track& own = t_track;
    if (own.capacity != s_bufferBytes && !allocate(own, s_bufferBytes))
        throw std::bad_alloc();
    s_sink = sink;
    try
    {
        if (DiagnosticReporter::isCheckedMode())
            s_sink(CheckedHead, sizeof CheckedHead - 1);
        else
            s_sink(Head, sizeof Head - 1);
    }
    catch (...)
    {
        s_sink.clear();
        throw;
    }
    s_session.store(s_lastSession.fetch_add(1) + 1, std::memory_order_release);
    DiagnosticReporter::setTracing(true);
    return true;
}

bool TraceRecorder::start(TraceObserver& observer)
{
    // A document nobody reads, of the smallest buffers: only metadata reach it.
    if (!start(Trace::Sink([](const char*, std::size_t) {}), Trace::MinimumBufferBytes))
        return false;
    s_observer = &observer;
    return true;
}

bool TraceObserver::start(TraceObserver& observer) { return TraceRecorder::start(observer); }

std::string TraceObserver::recordedText(const char* text)
{
    std::string recorded;
    recordedCharacters(text, [&recorded](const char* bytes, std::size_t size) { recorded.append(bytes, size); });
    return recorded;
}

void TraceRecorder::stop()
{
    if (session() == 0)
        return;
    Track* const own = track();
    DiagnosticReporter::setTracing(false);
    s_session.store(0, std::memory_order_release);
    s_observer = nullptr;
    Trace::Sink sink;
    sink.swap(s_sink);
    const std::size_t size = own->used;
    own->used = 0;
    own->session = 0;
    // What is left and the tail, then the buffer goes.
    std::unique_ptr<char[]> buffer(std::move(store().buffer));
    own->buffer = nullptr;
    own->capacity = 0;
    sink(buffer.get(), size);
    sink(Tail, sizeof Tail - 1);
}

void TraceRecorder::begin(const char* category, const char* name, std::initializer_list<TraceArg> args)
{
    Track* track = intern::track();
    if (track == nullptr)
        return;
    if (s_observer != nullptr)
    {
        if (track->tid == 1)
            s_observer->begin(category, name, args);
    }
    else
    {
        Writer writer(*track);
        head(writer, *track, category, name, 'B');
        writer.args(args);
        writer.character('}');
    }
    ++track->depth;
}

void TraceRecorder::end(std::initializer_list<TraceArg> args)
{
    Track* track = intern::track();
    if (track == nullptr || track->depth == 0)
        return;
    if (s_observer != nullptr)
    {
        if (track->tid == 1)
            s_observer->end(args);
    }
    else
    {
        Writer writer(*track);
        writer.raw(",\n{\"ph\":\"E\",\"ts\":");
        writer.timestamp();
        writer.raw(",\"pid\":1,\"tid\":");
        writer.number(track->tid);
        writer.args(args);
        writer.character('}');
    }
    --track->depth;
    done(*track);
}

void TraceRecorder::instant(const char* category, const char* name, std::initializer_list<TraceArg> args)
{
    Track* track = intern::track();
    if (track == nullptr)
        return;
    {
        Writer writer(*track);
        head(writer, *track, category, name, 'i');
        writer.raw(",\"s\":\"t\"");
        writer.args(args);
        writer.character('}');
    }
    done(*track);
}

void TraceRecorder::counter(const char* name, long long value)
{
    Track* track = intern::track();
    if (track == nullptr)
        return;
    {
        Writer writer(*track);
        head(writer, *track, "counter", name, 'C');
        writer.args({traceNumber("value", value)});
        writer.character('}');
    }
    done(*track);
}

namespace {

void flow(const char* name, unsigned long long id, char phase)
{
    Track* track = intern::track();
    if (track == nullptr)
        return;
    {
        Writer writer(*track);
        head(writer, *track, "flow", name, phase);
        writer.raw(",\"id\":");
        writer.number(static_cast<long long>(id));
        if (phase == 'f')
            writer.raw(",\"bp\":\"e\"");
        writer.character('}');
    }
    done(*track);
}

} // namespace

void TraceRecorder::flowStart(const char* name, unsigned long long id) { flow(name, id, 's'); }

void TraceRecorder::flowEnd(const char* name, unsigned long long id)
{
    if (id >= s_firstFlowId)
        flow(name, id, 'f');
}

unsigned long long TraceRecorder::newFlowId() { return s_nextFlowId.fetch_add(1, std::memory_order_relaxed); }

long long TraceRecorder::handleID(long long handle)
{
    Track* track = intern::track();
    if (track == nullptr || handle == 0)
        return 0;
    if (handle == track->cachedHandle)
        return track->cachedID;
    std::unordered_map<long long, long long>& handles = store().handles;
    const auto known = handles.find(handle);
    const long long id =
        known != handles.end() ? known->second : handles.emplace(handle, ++track->lastHandle).first->second;
    track->cachedHandle = handle;
    track->cachedID = id;
    return id;
}

void TraceRecorder::forgetHandle(long long handle)
{
    Track* track = intern::track();
    if (track == nullptr || handle == 0)
        return;
    store().handles.erase(handle);
    if (handle == track->cachedHandle)
        track->cachedHandle = 0;
}

int TraceRecorder::depth() { return t_track.session == session() ? t_track.depth : 0; }

int TraceRecorder::lockDepth() { return t_track.session == session() ? t_track.lockDepth : 0; }

void TraceRecorder::lockTaken(int) { ++t_track.lockDepth; }

void TraceRecorder::lockReleased()
{
    if (t_track.lockDepth > 0)
        --t_track.lockDepth;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
