#include "HostTrace.h"

#include "integration/Trace.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>

namespace orvane {
namespace sdk {
namespace hostcommon {

namespace {

// The file of the recording this code started; null when it started none.
struct Recording
{
    std::ofstream file;
    std::mutex mutex;
};

std::unique_ptr<Recording>& recording()
{
    static std::unique_ptr<Recording> running;
    return running;
}

} // namespace

void beginHostTrace()
{
    const char* path = std::getenv("ORVANE_TRACE");
    if (path == nullptr || *path == '\0' || recording() || integration::Trace::isRecording())
        return;
    std::unique_ptr<Recording> started(new Recording);
    started->file.open(path, std::ios::binary | std::ios::trunc);
    if (!started->file)
    {
        std::cerr << "orvane: cannot write the trace to " << path << " (ORVANE_TRACE)\n";
        return;
    }
    Recording* const target = started.get();
    if (integration::Trace::start([target](const char* data, std::size_t size) {
            const std::lock_guard<std::mutex> lock(target->mutex);
            target->file.write(data, static_cast<std::streamsize>(size));
        }))
        recording() = std::move(started);
}

void endHostTrace()
{
    if (!recording())
        return;
    integration::Trace::stop();
    recording().reset();
}

} // namespace hostcommon
} // namespace sdk
} // namespace orvane
