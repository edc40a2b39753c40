// Replays fuzz inputs without libFuzzer: each argument is a file or a
// folder of files (not descended into further), each file is handed to the
// target once. A broken invariant aborts, as under the fuzzer; a file that
// cannot be read fails the run.
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

namespace {

bool replay(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
    {
        std::cerr << "replay: cannot read " << file << "\n";
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    int replayed = 0;
    bool good = true;
    for (int i = 1; i < argc; ++i)
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
