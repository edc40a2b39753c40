#include "RenderOptions.h"

#include <cstdlib>
#include <cstring>

namespace {

// A whole number in [low, high] from `text`.
bool readInteger(const char* text, int low, int high, int& value)
{
    char* end = nullptr;
    const long read = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || read < low || read > high)
        return false;
    value = int(read);
    return true;
}

} // namespace

bool RenderOptions::parse(int argc, const char* const* argv)
{
    for (int index = 1; index < argc; ++index)
    {
        const std::string option = argv[index];
        if (option == "--help" || option == "-h")
        {
            help = true;
            continue;
        }
        if (option != "--size" && option != "--ratio" && option != "--out" && option != "--pages" &&
            option != "--layout-ms")
        {
            m_error = "unknown option " + option;
            return false;
        }
        if (index + 1 >= argc)
        {
            m_error = option + " needs a value";
            return false;
        }
        const char* const value = argv[++index];
        bool good = true;
        if (option == "--size")
        {
            const char* const x = std::strchr(value, 'x');
            good = x != nullptr && readInteger(std::string(value, x).c_str(), 1, 16384, width) &&
                   readInteger(x + 1, 1, 16384, height);
        }
        else if (option == "--ratio")
        {
            char* end = nullptr;
            pixelRatio = std::strtod(value, &end);
            good = end != value && *end == '\0' && pixelRatio >= 0.25 && pixelRatio <= 8.0;
        }
        else if (option == "--out")
        {
            outputDirectory = value;
            good = !outputDirectory.empty();
        }
        else if (option == "--pages")
            good = readInteger(value, 1, 100000, pages);
        else
            good = readInteger(value, 0, 600000, layoutMilliseconds);
        if (!good)
        {
            m_error = "bad value for " + option + ": " + value;
            return false;
        }
    }
    // Each picture side, in device pixels, from 1 (a small size at a small
    // ratio rounds to none) to the largest.
    const int pixels[] = {pixelWidth(), pixelHeight()};
    for (const int side : pixels)
        if (side < 1 || side > LargestPixelSize)
        {
            m_error = "--size " + std::to_string(width) + "x" + std::to_string(height) + " at --ratio " +
                      std::to_string(pixelRatio) + " makes pictures of " + std::to_string(pixels[0]) + "x" +
                      std::to_string(pixels[1]) + " pixels; each side must be 1 to " +
                      std::to_string(LargestPixelSize);
            return false;
        }
    return true;
}

const std::string& RenderOptions::error() const { return m_error; }

int RenderOptions::pixelWidth() const { return int(width * pixelRatio + 0.5); }

int RenderOptions::pixelHeight() const { return int(height * pixelRatio + 0.5); }

std::string RenderOptions::usage()
{
    return "Usage: orvane-render-pages [options]\n"
           "Starts the engine in batch mode with no display, creates pages (by turns one the host makes and one\n"
           "the engine asks for), draws each and writes it as a PNG file.\n"
           "\n"
           "  --size WxH       size of each page in logical pixels (default 1024x768)\n"
           "  --ratio R        device pixels per logical pixel, 0.25 to 8 (default 1); the files have\n"
           "                   WxH times R pixels (each side 1 to 16384) and 96 times R pixels per inch\n"
           "  --out DIR        folder for the files, made if missing (default render-out)\n"
           "  --pages N        number of pages (default 4)\n"
           "  --layout-ms MS   time the engine lays out each page before drawing it, a long operation\n"
           "                   that Ctrl-C interrupts (default 0)\n"
           "  --help           this text\n"
           "\n"
           "Exit status: 0 when every page was written; 1 when the folder cannot be written or no OpenGL\n"
           "without a display (EGL) is usable; 2 for a bad option; 130 when interrupted (the pages\n"
           "finished before are written).\n";
}
