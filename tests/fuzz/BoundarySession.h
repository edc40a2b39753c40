#ifndef ORVANE_TESTS_FUZZ_BOUNDARYSESSION_H
#define ORVANE_TESTS_FUZZ_BOUNDARYSESSION_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Runs the session `data` decodes against the model engine and checks the
// boundary's invariants. When one breaks, with no `failure` it aborts,
// naming the invariant and the last steps (the fuzzer's crash); otherwise
// the session ends after that step, `*failure` (empty before) holds the
// report and the answer is false.
bool runBoundarySession(const std::uint8_t* data, std::size_t size, std::string* failure = nullptr);

// The same session, while a boundary trace records it into the file `path`
// (orvane-replay replays it); the session's failure, if any, as above.
bool recordBoundarySession(const std::uint8_t* data, std::size_t size, const std::string& path,
                           std::string* failure = nullptr);

} // namespace fuzz

#endif // ORVANE_TESTS_FUZZ_BOUNDARYSESSION_H
