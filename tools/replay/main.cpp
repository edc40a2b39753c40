// orvane-replay FILE [--shrink OUT]: plays a recorded boundary trace again
// against this library, with the engine's and the host's answers taken from
// the recording, and compares every crossing with it.
//
// Exit status: 0 when the replay matches the recording ("replayed N
// crossings, 0 divergences"); 1 at the first divergence, which is printed
// (with --shrink OUT, a shorter recording that diverges the same way is
// written to OUT); 2 for a file that cannot be read as a recording of this
// library's schema, or bad arguments.
#include "Recording.h"
#include "Replay.h"
#include "Shrink.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

int usage()
{
    std::cerr << "usage: orvane-replay FILE [--shrink OUT]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace orvane::replay;
    std::string file;
    std::string shrinkTo;
    for (int i = 1; i < argc; ++i)
    {
        const std::string argument = argv[i];
        if (argument == "--shrink" && i + 1 < argc)
            shrinkTo = argv[++i];
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
        const Outcome outcome = replay(recording);
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
    catch (const RecordingError& error)
    {
        std::cerr << "orvane-replay: " << error.what() << "\n";
        return 2;
    }
}
