// The frames of a replay drawn for real with no display, on the headless
// kit, and written as PNG files: each drawing area of the recording gets an
// offscreen context of its own, the engine's drawing goes into the one made
// current, and each frame swapped is read back and written to
// DIR/frame-NNNN-page-P.png (NNNN: the frame's order among the swaps from 1;
// P: the page last drawn there).
#ifndef ORVANE_TOOLS_REPLAY_FRAMEWRITER_H
#define ORVANE_TOOLS_REPLAY_FRAMEWRITER_H

#include "RealDrawing.h"

#include "PngWriter.h"
#include "ovsdkheadlesshost/HeadlessDisplay.h"

#include <map>
#include <memory>
#include <string>

namespace orvane {
namespace replay {

class FrameWriter : public RealDrawing
{
public:
    // Writes into `directory`, which must exist.
    // Errors: orvane::ExceptionBase when no EGL display opens.
    explicit FrameWriter(std::string directory);
    ~FrameWriter() override;
    FrameWriter(const FrameWriter&) = delete;
    FrameWriter& operator=(const FrameWriter&) = delete;

    // Errors: orvane::ExceptionBase when EGL or OpenGL makes no context.
    sdk::integration::GLContextInterface& context(long long area) override;
    void resize(long long area, int width, int height) override;
    void drawPage(long long pageId, int width, int height) override;

    // Frames written so far.
    int written() const { return m_written; }
    // Why the first frame that could not be written was not; empty when all were.
    const std::string& error() const { return m_error; }

private:
    class AreaContext;
    void write(const AreaContext& area);

    const std::string m_directory;
    sdk::headlesshost::HeadlessDisplay m_display;
    std::map<long long, std::unique_ptr<AreaContext>> m_areas;
    AreaContext* m_current = nullptr;
    PngWriter m_png;
    int m_swaps = 0;
    int m_written = 0;
    std::string m_error;
};

} // namespace replay
} // namespace orvane

#endif // ORVANE_TOOLS_REPLAY_FRAMEWRITER_H
