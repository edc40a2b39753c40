// Drawing for real behind a replay: the drawing areas' contexts are an
// offscreen kit's, and the replay engine draws each frame into them as the
// simulated engine draws a page. A side effect only: the answers the
// library gets still come from the recording.
#ifndef ORVANE_TOOLS_REPLAY_REALDRAWING_H
#define ORVANE_TOOLS_REPLAY_REALDRAWING_H

#include "integration/GLContextInterface.h"

namespace orvane {
namespace replay {

class RealDrawing
{
public:
    virtual ~RealDrawing() = default;
    // The context of the drawing area the recording numbers `area`, made
    // on first use; it lives as long as this object.
    virtual sdk::integration::GLContextInterface& context(long long area) = 0;
    // The size the library was told for `area`, the context's from its
    // next makeCurrent on.
    virtual void resize(long long area, int width, int height) = 0;
    // Page `pageId` drawn at `width` x `height` into the context current now.
    virtual void drawPage(long long pageId, int width, int height) = 0;
};

} // namespace replay
} // namespace orvane

#endif // ORVANE_TOOLS_REPLAY_REALDRAWING_H
