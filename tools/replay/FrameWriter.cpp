#include "FrameWriter.h"

#include "ovsdkbase/SimulatedEngine.h"
#include "ovsdkheadlesshost/HeadlessGLContext.h"

#include <cstdio>
#include <utility>

namespace orvane {
namespace replay {

namespace headlesshost = sdk::headlesshost;

// A drawing area's offscreen context, which knows the page drawn in it.
class FrameWriter::AreaContext : public sdk::integration::GLContextInterface
{
public:
    AreaContext(FrameWriter& writer, headlesshost::HeadlessDisplay& display) : m_writer(writer), m_gl(display, 1, 1) {}

    void swapBuffers() override
    {
        m_gl.swapBuffers();
        m_writer.write(*this);
    }
    bool makeCurrent() override
    {
        m_writer.m_current = this;
        return m_gl.makeCurrent();
    }
    bool releaseCurrent() override
    {
        if (m_writer.m_current == this)
            m_writer.m_current = nullptr;
        return m_gl.releaseCurrent();
    }

    headlesshost::HeadlessGLContext& gl() { return m_gl; }
    const headlesshost::HeadlessFrame& frame() const { return m_gl.frame(); }
    long long page = 0;

private:
    FrameWriter& m_writer;
    headlesshost::HeadlessGLContext m_gl;
};

FrameWriter::FrameWriter(std::string directory) : m_directory(std::move(directory)) {}

FrameWriter::~FrameWriter() = default;

sdk::integration::GLContextInterface& FrameWriter::context(long long area)
{
    std::unique_ptr<AreaContext>& context = m_areas[area];
    if (!context)
        context.reset(new AreaContext(*this, m_display));
    return *context;
}

void FrameWriter::resize(long long area, int width, int height)
{
    // A size of nothing (an area gone) keeps the framebuffer's last one.
    if (width > 0 && height > 0)
        static_cast<AreaContext&>(context(area)).gl().setSize(width, height);
}

void FrameWriter::drawPage(long long pageId, int width, int height)
{
    if (m_current == nullptr)
        return;
    m_current->page = pageId;
    // The page as the engine makes it: named after its id, at the plain view.
    orvane::sim::PageState page;
    page.id = pageId;
    page.name = "Page " + std::to_string(pageId);
    orvane::sim::drawPageWithOpenGL(&headlesshost::HeadlessDisplay::procAddress, page, width, height);
}

void FrameWriter::write(const AreaContext& area)
{
    char name[64];
    std::snprintf(name, sizeof name, "/frame-%04d-page-%lld.png", ++m_swaps, area.page);
    const headlesshost::HeadlessFrame& frame = area.frame();
    if (m_png.write(m_directory + name, frame.width, frame.height, frame.rgba, PngWriter::Layout_RGBA))
        ++m_written;
    else if (m_error.empty())
        m_error = m_png.error();
}

} // namespace replay
} // namespace orvane
