// orvane-render-pages: pages drawn by the engine and written as PNG files,
// with no display at all (OpenGL on EGL through the headless host kit).
#include "PageRenderer.h"
#include "PngWriter.h"
#include "RenderOptions.h"

#include "ovexception/ExceptionBase.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>

namespace {

const int ExitFailed = 1;
const int ExitBadOption = 2;
const int ExitInterrupted = 130;

// The loop SIGINT interrupts; the handler only sets the loop's lock-free flag.
std::atomic<orvane::sdk::headlesshost::HeadlessEventLoop*> interruptedLoop(nullptr);

extern "C" void interruptRendering(int)
{
    if (orvane::sdk::headlesshost::HeadlessEventLoop* const loop = interruptedLoop.load())
        loop->requestInterrupt();
}

// The folder, made if missing; false (with a message) when no file can be
// written there.
bool prepareOutput(const std::string& directory)
{
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    const std::string probe = directory + "/.orvane-render-pages";
    std::FILE* const file = error ? nullptr : std::fopen(probe.c_str(), "wb");
    if (file == nullptr)
    {
        std::cerr << "orvane-render-pages: cannot write into the output folder " << directory << "\n";
        return false;
    }
    std::fclose(file);
    std::remove(probe.c_str());
    return true;
}

std::string fileName(int number)
{
    char name[64];
    std::snprintf(name, sizeof name, "page-%02d-%s.png", number, PageRenderer::isEngineMade(number) ? "engine" : "host");
    return name;
}

} // namespace

int main(int argc, char** argv)
{
    RenderOptions options;
    if (!options.parse(argc, argv))
    {
        std::cerr << "orvane-render-pages: " << options.error() << "\n\n" << RenderOptions::usage();
        return ExitBadOption;
    }
    if (options.help)
    {
        std::cout << RenderOptions::usage();
        return 0;
    }
    if (!prepareOutput(options.outputDirectory))
        return ExitFailed;

    const int width = options.pixelWidth();
    const int height = options.pixelHeight();
    std::unique_ptr<PageRenderer> renderer;
    try
    {
        renderer.reset(new PageRenderer(width, height, options.pixelRatio, options.layoutMilliseconds));
    }
    catch (const orvane::ExceptionBase& failure)
    {
        std::cerr << "orvane-render-pages: " << failure.what() << "\n";
        return ExitFailed;
    }
    interruptedLoop.store(&renderer->loop());
    std::signal(SIGINT, interruptRendering);

    PngWriter writer;
    int status = 0;
    int written = 0;
    for (int number = 1; number <= options.pages && status == 0; ++number)
    {
        orvane::sdk::headlesshost::HeadlessFrame frame;
        const std::string path = options.outputDirectory + "/" + fileName(number);
        if (!renderer->render(number, frame))
        {
            if (renderer->loop().isInterruptRequested())
            {
                std::cerr << "orvane-render-pages: interrupted: " << written << " of " << options.pages
                          << " pages written\n";
                status = ExitInterrupted;
            }
            else
            {
                std::cerr << "orvane-render-pages: page " << number << " was not drawn\n";
                status = ExitFailed;
            }
        }
        else if (!writer.write(path, frame.width, frame.height, frame.rgba, PngWriter::Layout_RGBA,
                               options.pixelRatio))
        {
            std::cerr << "orvane-render-pages: " << writer.error() << "\n";
            status = ExitFailed;
        }
        else
            std::cerr << "orvane-render-pages: page " << number << "/" << options.pages << " written: " << path
                      << "\n";
        written += status == 0;
    }
    std::signal(SIGINT, SIG_DFL);
    interruptedLoop.store(nullptr);
    return status;
}
