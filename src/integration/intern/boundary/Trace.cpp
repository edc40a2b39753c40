#include "integration/Trace.h"

#include "integration/intern/boundary/TraceRecorder.h"

#include <ostream>

namespace orvane {
namespace sdk {
namespace integration {

bool Trace::start(const Sink& sink, std::size_t bufferBytes) { return intern::TraceRecorder::start(sink, bufferBytes); }

bool Trace::start(std::ostream& stream, std::size_t bufferBytes)
{
    std::ostream* const target = &stream;
    return start(Sink([target](const char* data, std::size_t size) {
                     target->write(data, static_cast<std::streamsize>(size));
                 }),
                 bufferBytes);
}

void Trace::stop() { intern::TraceRecorder::stop(); }

bool Trace::isRecording() { return intern::TraceRecorder::session() != 0; }

} // namespace integration
} // namespace sdk
} // namespace orvane
