// The engine the benchmarks run against: the whole C interface of ovsdkbase.h
// defined in the benchmark program itself, doing as little as an engine
// can. The program exports its symbols, so the library's engine calls bind
// here and no simulated-engine work is measured.
#ifndef BENCH_ENGINESTUB_H
#define BENCH_ENGINESTUB_H

#include "ovsdkbase.h"

namespace stub {

// The render callbacks the library registered.
struct RenderCallbacks
{
    RenderQueryCallback_pf query;
    RenderDestSizeCallback_pf size;
    RenderDestCallback_pf destination;
    SwapBuffersCallback_pf swap;
    ArbParam_t clientData;
};
const RenderCallbacks& renderCallbacks();

// The engine's id of the page it created last.
UniqueID_t lastCreatedPage();
// The engine destroys page `id` and makes `nextCurrent` current (0: none).
void destroyPage(UniqueID_t id, UniqueID_t nextCurrent);
// The engine reports a state change with no style parameters.
void fireStateChange(int code);
// Engine calls that reached the stub so far: proof that the library's calls
// bind here.
long long calls();

} // namespace stub

#endif // BENCH_ENGINESTUB_H
