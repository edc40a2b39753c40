#ifndef ORVANE_TESTS_FUZZ_BYTESOURCE_H
#define ORVANE_TESTS_FUZZ_BYTESOURCE_H

#include <climits>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace fuzz {

// Choices read from a fuzzer's input, in the manner of libFuzzer's
// FuzzedDataProvider: whole numbers in a range from the front, texts with
// a length byte. The same bytes decode alike in the libFuzzer build and in
// the replay driver built with g++ alone (FuzzedDataProvider comes with
// clang), so a committed input means the same session in both. Once the
// input is used up every pick is the last choice (the callers' quiet one),
// every number the lowest, every flag false and every text empty.
class ByteSource
{
public:
    ByteSource(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_size == 0; }
    std::size_t remaining() const { return m_size; }

    // A number in [0, count), count at most 65536.
    unsigned pick(unsigned count)
    {
        if (count <= 1)
            return 0;
        if (empty())
            return count - 1;
        unsigned value = byte();
        if (count > 256)
            value = value << 8 | byte();
        return value % count;
    }

    int range(int lowest, int highest)
    {
        const unsigned long long span = static_cast<unsigned long long>(static_cast<long long>(highest) - lowest) + 1;
        unsigned long long value = 0;
        for (unsigned long long covered = 1; covered < span && !empty(); covered <<= 8)
            value = value << 8 | byte();
        return static_cast<int>(lowest + static_cast<long long>(value % span));
    }

    bool chance(unsigned in, unsigned outOf) { return pick(outOf) < in; }
    bool flag() { return (byte() & 1) != 0; }

    // A whole number a hostile caller might pass: the edges, small ones,
    // or any.
    int hostileInt()
    {
        switch (pick(8))
        {
        case 0:
            return 0;
        case 1:
            return -1;
        case 2:
            return INT_MIN;
        case 3:
            return INT_MAX;
        case 4:
            return range(-3, 3);
        case 5:
            return range(1, 64);
        default:
            return range(INT_MIN, INT_MAX);
        }
    }

    double hostileDouble()
    {
        switch (pick(6))
        {
        case 0:
            return 0.0;
        case 1:
            return -1e308;
        case 2:
            return 1e308;
        case 3:
            return std::numeric_limits<double>::quiet_NaN();
        case 4:
            return std::numeric_limits<double>::infinity();
        default:
            return range(-100000, 100000) / 7.0;
        }
    }

    // Up to `longest` bytes (any byte but 0, so that it reads back as a C text).
    std::string text(std::size_t longest)
    {
        std::size_t length = byte();
        if (length > longest)
            length = longest;
        std::string result;
        while (result.size() < length && !empty())
        {
            const char c = static_cast<char>(byte());
            result.push_back(c != 0 ? c : 'x');
        }
        return result;
    }

private:
    unsigned byte()
    {
        if (m_size == 0)
            return 0;
        --m_size;
        return *m_data++;
    }

    const std::uint8_t* m_data;
    std::size_t m_size;
};

} // namespace fuzz

#endif // ORVANE_TESTS_FUZZ_BYTESOURCE_H
