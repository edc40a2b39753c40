// Fuzz target: orvane-render-pages' command line. The input is the
// arguments, separated by zero bytes. Each command line is either refused
// with a message naming the option, or accepted with every value in its
// range and pictures of at least 1 x 1 and at most the largest size pixels.
#include "RenderOptions.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

[[noreturn]] void broken(const char* what)
{
    std::fprintf(stderr, "render options: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments{"orvane-render-pages"};
    std::string argument;
    for (std::size_t i = 0; i < size; ++i)
    {
        if (data[i] == 0)
        {
            arguments.push_back(argument);
            argument.clear();
        }
        else
            argument.push_back(static_cast<char>(data[i]));
    }
    if (!argument.empty())
        arguments.push_back(argument);
    std::vector<const char*> argv;
    for (const std::string& each : arguments)
        argv.push_back(each.c_str());
    argv.push_back(nullptr);

    RenderOptions options;
    if (!options.parse(static_cast<int>(arguments.size()), argv.data()))
    {
        if (options.error().empty())
            broken("a command line refused without a message");
        return 0;
    }
    if (!options.error().empty())
        broken("a command line accepted with a message");
    if (options.width < 1 || options.height < 1 || options.pages < 1 || options.layoutMilliseconds < 0 ||
        options.outputDirectory.empty() || !(options.pixelRatio >= 0.25 && options.pixelRatio <= 8.0))
        broken("a value out of its range accepted");
    const int width = options.pixelWidth();
    const int height = options.pixelHeight();
    if (width < 1 || height < 1 || width > RenderOptions::LargestPixelSize || height > RenderOptions::LargestPixelSize)
        broken("a picture size out of range accepted");
    return 0;
}
