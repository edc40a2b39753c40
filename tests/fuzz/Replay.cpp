// Replays fuzz inputs without libFuzzer: each argument is a file or a
// folder of files (not descended into further), each file is handed to the
// target once. A broken invariant aborts, as under the fuzzer; a file that
// cannot be read fails the run. With `--trace DIR` first, a target that
// records its sessions (the boundary's) writes each input's session as the
// boundary trace DIR/NAME.json instead, a broken invariant included.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Defined by a target that records its sessions.
extern "C" __attribute__((weak)) void OrvaneFuzzRecordSession(const std::uint8_t* data, std::size_t size,
                                                              const char* path);

namespace {

std::filesystem::path s_traces; // empty: no --trace

bool replay(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
    {
        std::cerr << "replay: cannot read " << file << "\n";
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (s_traces.empty())
        LLVMFuzzerTestOneInput(data, bytes.size());
    else
        OrvaneFuzzRecordSession(data, bytes.size(), (s_traces / file.filename()).concat(".json").c_str());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    int replayed = 0;
    bool good = true;
    int first = 1;
    if (argc > 2 && std::string(argv[1]) == "--trace")
    {
        if (OrvaneFuzzRecordSession == nullptr)
        {
            std::cerr << "replay: this target records no sessions\n";
            return 2;
        }
        s_traces = argv[2];
        first = 3;
    }
    for (int i = first; i < argc; ++i)
    {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path))
        {
            std::vector<std::filesystem::path> files;
            for (const auto& entry : std::filesystem::directory_iterator(path))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const auto& file : files)
            {
                good = replay(file) && good;
                ++replayed;
            }
        }
        else
        {
            good = replay(path) && good;
            ++replayed;
        }
    }
    std::cout << "replayed " << replayed << " inputs\n";
    return good && replayed > 0 ? 0 : 1;
}
