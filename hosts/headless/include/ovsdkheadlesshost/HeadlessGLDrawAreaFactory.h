#ifndef OVSDKHEADLESSHOST_HEADLESSGLDRAWAREAFACTORY_H
#define OVSDKHEADLESSHOST_HEADLESSGLDRAWAREAFACTORY_H

#include "ovsdkheadlesshost/Export.h"

#include "integration/GLDrawAreaFactoryInterface.h"

#include <memory>
#include <vector>

namespace orvane {
namespace sdk {
namespace headlesshost {

class HeadlessDisplay;
class HeadlessEventLoop;
class HeadlessGLDrawArea;

// The drawing-area factory for pages the engine asks for, with no window
// system.
//
// Implements: GLDrawAreaFactoryInterface: each engine-requested page gets a
// new HeadlessGLDrawArea of the factory's size and pixel ratio, owned by
// the factory until it goes (which destroys their native windows, so the
// pages shown there let go of them). A drawing area that cannot be made
// gives the page none.
// Leaves to the application: keeping the factory alive while the engine
// may ask for pages, and stopping the engine (or deleting those pages)
// before deleting it.
//
// Thread safety: GUI thread only.
class OVSDKHEADLESSHOST_EXPORT HeadlessGLDrawAreaFactory : public integration::GLDrawAreaFactoryInterface
{
public:
    // Drawing areas of `width` x `height` device pixels at `pixelRatio`.
    HeadlessGLDrawAreaFactory(HeadlessEventLoop& loop, HeadlessDisplay& display, int width, int height,
                              double pixelRatio = 1.0);
    ~HeadlessGLDrawAreaFactory() override;

    integration::GLDrawAreaInterface* createGLDrawArea(orvane::toolbox::StringList& arguments) override;

    // The drawing areas made so far, oldest first.
    const std::vector<std::unique_ptr<HeadlessGLDrawArea>>& drawAreas() const;

private:
    HeadlessEventLoop& m_loop;
    HeadlessDisplay& m_display;
    int m_width;
    int m_height;
    double m_pixelRatio;
    std::vector<std::unique_ptr<HeadlessGLDrawArea>> m_drawAreas;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSGLDRAWAREAFACTORY_H
