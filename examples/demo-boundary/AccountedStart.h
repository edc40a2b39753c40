// An application's start of the engine, told to the account: the
// manager's engine signals, init with the program's name and the home
// directory, and start, each with its answer.
#ifndef DEMO_BOUNDARY_ACCOUNTEDSTART_H
#define DEMO_BOUNDARY_ACCOUNTEDSTART_H

#include <string>

class BoundaryAccount;

namespace orvane {
namespace sdk {
namespace integration {
class ManagerAbstract;
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

#endif // DEMO_BOUNDARY_ACCOUNTEDSTART_H
