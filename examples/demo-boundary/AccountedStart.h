// An application's start of the engine, told to the account: the
// manager's engine signals, init with the program's name and the home
// directory, and start, each with its answer; then what the demos' engine
// draws with.
#ifndef DEMO_BOUNDARY_ACCOUNTEDSTART_H
#define DEMO_BOUNDARY_ACCOUNTEDSTART_H

#include "ovsdkbase/SimulatedEngine.h"

#include <boost/shared_ptr.hpp>

#include <string>

class BoundaryAccount;

namespace orvane {
namespace sdk {
namespace integration {
class ManagerAbstract;
class PageRenderDeciderInterface;
} // namespace integration
} // namespace sdk
} // namespace orvane

// How far the start went: the engine must be stopped once init succeeded.
enum class StartReached
{
    InitFailed,
    StartFailed,
    Started
};

StartReached initAndStart(orvane::sdk::integration::ManagerAbstract& manager, BoundaryAccount& account,
                          const std::string& program, const std::string& homeDirectory);
// Once the engine runs: it draws with the OpenGL functions `procAddress`
// gives, works on long operations at the demos' pace, and renders pages
// through `decider` (the repairer of interrupted frames).
void prepareDrawing(orvane::sdk::integration::ManagerAbstract& manager, orvane::sim::GetProcAddress_pf procAddress,
                    boost::shared_ptr<orvane::sdk::integration::PageRenderDeciderInterface> decider);

#endif // DEMO_BOUNDARY_ACCOUNTEDSTART_H
