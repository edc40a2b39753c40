// The engine in batch mode with one host page, drawn by the headless kit
// and exported through either kit's offscreen images: what the comparison
// of the headless kit with the Qt kit (a test and a benchmark) runs on.
// Needs a QGuiApplication on a display (the Qt kit's OpenGL); the headless
// kit's drawing needs none.
#ifndef TESTS_HEADLESS_KITS_TWOKITSESSION_H
#define TESTS_HEADLESS_KITS_TWOKITSESSION_H

#include "ovsdkheadlesshost/HeadlessGLDrawArea.h"
#include "ovsdkheadlesshost/HeadlessSession.h"
#include "ovsdkqthost/QtOffscreenImageService.h"

#include "ovsdkbase/SimulatedEngine.h"

class TwoKitSession
{
public:
    enum Kit
    {
        Kit_Headless,
        Kit_Qt
    };

    // One page of `width` x `height` pixels; started() tells whether the
    // engine started.
    TwoKitSession(int width, int height);

    bool started() const;
    // The page drawn into its headless drawing area: the frame read back.
    const orvane::sdk::headlesshost::HeadlessFrame& drawHeadless();
    // The page exported at its size through `kit`'s offscreen images.
    orvane::sim::ExportedImage exportWith(Kit kit);

private:
    orvane::sdk::qthost::QtOffscreenImageService m_qtImages;
    orvane::sdk::headlesshost::HeadlessSession m_session;
    orvane::sdk::headlesshost::HeadlessGLDrawArea m_area;
    int m_width;
    int m_height;
    bool m_started;
};

#endif // TESTS_HEADLESS_KITS_TWOKITSESSION_H
