#ifndef OVSDKHEADLESSHOST_HEADLESSOFFSCREENIMAGE_H
#define OVSDKHEADLESSHOST_HEADLESSOFFSCREENIMAGE_H

#include "ovsdkheadlesshost/Export.h"
#include "ovsdkheadlesshost/HeadlessGLContext.h"

#include "integration/services/OffscreenImageInterface.h"

#include <memory>

namespace orvane {
namespace sdk {
namespace headlesshost {

// An offscreen image the engine exports a plot into, on the HeadlessDisplay.
//
// Implements: OffscreenImageInterface on a HeadlessGLContext that reads
// its framebuffer back when the engine releases it (made with
// ReadBack_AtRelease), sized to the image; readRow() hands out its rows
// top row first. The context can be taken back when the image goes, for
// the next image (a new OpenGL context costs the driver more than the
// drawing: it compiles its fixed-function shaders again).
// Leaves to the application: nothing; the offscreen image service makes
// and deletes images.
//
// Errors: the constructor throws orvane::ExceptionBase for a size below
// 1 x 1. Thread safety: GUI thread only.
class OVSDKHEADLESSHOST_EXPORT HeadlessOffscreenImage : public virtual integration::services::OffscreenImageInterface
{
public:
    // An image of `width` x `height` pixels drawn with `context` (made with
    // ReadBack_AtRelease), which it resizes to the image.
    //
    // @thread_safety GUI thread only.
    // @errors orvane::ExceptionBase for a width or height below 1.
    HeadlessOffscreenImage(std::unique_ptr<HeadlessGLContext> context, int width, int height);

    // The image is ready for the engine's drawing.
    bool render(ExportRegion_e region) override;
    integration::GLContextInterface& getGLContext() override;

    // One row of the picture last drawn, one byte a pixel and channel;
    // false for a row outside the image or before anything was drawn.
    bool readRow(int row, unsigned char* red, unsigned char* green, unsigned char* blue) const;
    // The image's context, for another image; the image draws nothing after.
    std::unique_ptr<HeadlessGLContext> takeContext();

private:
    std::unique_ptr<HeadlessGLContext> m_context;
    int m_frameCountAtStart;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSOFFSCREENIMAGE_H
