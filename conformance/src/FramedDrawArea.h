// A host's drawing area as the suite hands it to the library for a page:
// everything goes to the host's drawing area, but its context tells the
// suite what the library made of each frame (the host context's answers)
// and paints the frame in a colour of the suite's choice right before the
// engine releases the context, so that the suite knows what the screen
// must show after the engine's swap.
#ifndef OVSDKHOSTCONFORMANCE_FRAMEDDRAWAREA_H
#define OVSDKHOSTCONFORMANCE_FRAMEDDRAWAREA_H

#include "GLPainter.h"

#include "integration/GLContextInterface.h"
#include "integration/GLDrawAreaInterface.h"

#include <string>
#include <vector>

namespace orvane {
namespace sdk {
namespace hostconformance {

class FramedDrawArea : public virtual integration::GLDrawAreaInterface
{
public:
    FramedDrawArea(integration::GLDrawAreaInterface& host, GLPainter& painter);

    integration::GLDrawAreaInterface& host();
    // The colour of the frames drawn from now on.
    void setColour(GLPainter::Colour colour);
    // "makeCurrent true", "painted" (or "not painted" where the driver gives
    // no OpenGL, "cannot paint" where the context cannot run OpenGL 1.x),
    // "releaseCurrent true", "swapBuffers", in the order they came.
    const std::vector<std::string>& frameCalls() const;
    void clearFrameCalls();

    bool canRender() override;
    void getSize(int& width, int& height) override;
    integration::GLContextInterface& getGLContext() override;
    bool isValid() override;
    void addStateListener(integration::GLDrawAreaListenerInterface* listener) override;
    void removeStateListener(integration::GLDrawAreaListenerInterface* listener) override;
    void setPageManager(integration::PageManagerInterface& manager) override;
    void addMouseListener(integration::MouseEventListenerInterface* listener) override;
    void removeMouseListener(integration::MouseEventListenerInterface* listener) override;
    void addKeyboardListener(integration::KeyEventListenerInterface* listener) override;
    void removeKeyboardListener(integration::KeyEventListenerInterface* listener) override;

private:
    class Context : public integration::GLContextInterface
    {
    public:
        explicit Context(FramedDrawArea& owner);
        void swapBuffers() override;
        bool makeCurrent() override;
        bool releaseCurrent() override;

    private:
        FramedDrawArea& m_owner;
    };

    integration::GLDrawAreaInterface& m_host;
    GLPainter& m_painter;
    GLPainter::Colour m_colour;
    Context m_context;
    std::vector<std::string> m_frameCalls;
};

} // namespace hostconformance
} // namespace sdk
} // namespace orvane

#endif // OVSDKHOSTCONFORMANCE_FRAMEDDRAWAREA_H
