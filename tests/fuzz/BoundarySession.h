#ifndef ORVANE_TESTS_FUZZ_BOUNDARYSESSION_H
#define ORVANE_TESTS_FUZZ_BOUNDARYSESSION_H

#include <cstddef>
#include <cstdint>

namespace fuzz {

// Runs the session `data` decodes against the model engine and checks the
// boundary's invariants; aborts, naming the invariant and the last steps,
// when one breaks.
void runBoundarySession(const std::uint8_t* data, std::size_t size);

} // namespace fuzz

#endif // ORVANE_TESTS_FUZZ_BOUNDARYSESSION_H
