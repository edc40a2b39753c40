// orvane-replay FILE [--shrink OUT] [--frames DIR]: plays a recorded
// boundary trace again against this library, with the engine's and the
// host's answers taken from the recording, and compares every crossing with
// it. With --frames DIR the frames are drawn for real as well, with no
// display, and each one swapped is written as a PNG file into DIR (made if
// missing).
//
// Exit status: 0 when the replay matches the recording ("replayed N
// crossings, 0 divergences"); 1 at the first divergence, which is printed
// (with --shrink OUT, a shorter recording that diverges the same way is
// written to OUT); 2 for a file that cannot be read as a recording of this
// library's schema, bad arguments, or frames that cannot be drawn or written.
#include "Recording.h"
#include "Replay.h"
#include "Shrink.h"
#ifdef ORVANE_REPLAY_FRAMES
#include "FrameWriter.h"
#endif

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

int usage()
{
    std::cerr << "usage: orvane-replay FILE [--shrink OUT] [--frames DIR]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace orvane::replay;
    std::string file;
    std::string shrinkTo;
    std::string framesTo;
    for (int i = 1; i < argc; ++i)
    {
        const std::string argument = argv[i];
        if (argument == "--shrink" && i + 1 < argc)
            shrinkTo = argv[++i];
        else if (argument == "--frames" && i + 1 < argc)
            framesTo = argv[++i];
        else if (argument.empty() || argument[0] == '-' || !file.empty())
            return usage();
        else
            file = argument;
    }
    if (file.empty())
        return usage();
    try
    {
        const Recording recording = Recording::fromFile(file);
#ifdef ORVANE_REPLAY_FRAMES
        std::unique_ptr<FrameWriter> frames;
        if (!framesTo.empty())
        {
            std::filesystem::create_directories(framesTo);
            frames.reset(new FrameWriter(framesTo));
        }
        const Outcome outcome = replay(recording, frames.get());
        if (frames)
        {
            std::cout << "frames written: " << frames->written() << " in " << framesTo << "\n";
            if (!frames->error().empty())
            {
                std::cerr << "orvane-replay: a frame was not written: " << frames->error() << "\n";
                return 2;
            }
        }
#else
        if (!framesTo.empty())
            throw std::runtime_error("this build draws no frames (it has no headless kit or no libpng)");
        const Outcome outcome = replay(recording);
#endif
        if (!outcome.diverged)
        {
            std::cout << "replayed " << outcome.crossings << " crossings, 0 divergences\n";
            return 0;
        }
        std::cout << outcome.report;
        if (!shrinkTo.empty())
        {
            const std::string shorter = shrink(recording.text(), outcome.signature);
            std::ofstream out(shrinkTo, std::ios::binary | std::ios::trunc);
            out << shorter;
            if (!out)
            {
                std::cerr << "orvane-replay: cannot write " << shrinkTo << "\n";
                return 2;
            }
            std::cout << "shrunk: " << shrinkTo << " (" << Recording::fromText(shorter, shrinkTo).spans().size()
                      << " spans of " << recording.spans().size() << ")\n";
        }
        return 1;
    }
    catch (const std::exception& error)
    {
        // An unreadable recording, or frames that cannot be drawn (no EGL)
        // or have no folder to go to.
        std::cerr << "orvane-replay: " << error.what() << "\n";
        return 2;
    }
}
