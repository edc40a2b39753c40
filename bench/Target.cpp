#include "Target.h"

#include <benchmark/benchmark.h>

namespace bench {

Target::~Target() = default;

bool Target::call(long long argument)
{
    benchmark::DoNotOptimize(argument);
    return true;
}

} // namespace bench
