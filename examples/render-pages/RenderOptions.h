// The command line of orvane-render-pages.
#ifndef EXAMPLES_RENDER_PAGES_RENDEROPTIONS_H
#define EXAMPLES_RENDER_PAGES_RENDEROPTIONS_H

#include <string>

class RenderOptions
{
public:
    int width = 1024;  // logical pixels
    int height = 768;
    double pixelRatio = 1.0;
    std::string outputDirectory = "render-out";
    int pages = 4;
    int layoutMilliseconds = 0; // the engine's work on each page before it is drawn
    bool help = false;

    // The largest side of a picture in device pixels.
    static const int LargestPixelSize = 16384;

    // Reads the arguments after the program's name; false, with the reason
    // in error(), for an option it does not know or a bad value.
    bool parse(int argc, const char* const* argv);
    const std::string& error() const;
    // The size of each picture in device pixels: the size in logical pixels
    // times the ratio, rounded.
    int pixelWidth() const;
    int pixelHeight() const;
    static std::string usage();

private:
    std::string m_error;
};

#endif // EXAMPLES_RENDER_PAGES_RENDEROPTIONS_H
