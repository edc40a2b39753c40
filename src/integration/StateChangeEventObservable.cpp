#include "integration/StateChangeEventObservable.h"

#include "integration/intern/boundary/Engine.h"
#include "ovexception/OutOfMemoryException.h"

#include <cstdlib>
#include <new>

namespace orvane {
namespace sdk {
namespace integration {

namespace {

StateChangeEventObservable* s_instance = nullptr;
bool s_created = false; // the first-call guard

} // namespace

StateChangeEventObservable& StateChangeEventObservable::getInstance()
{
    if (!s_created)
    {
        s_created = true;
        try
        {
            s_instance = new StateChangeEventObservable();
        }
        catch (const std::bad_alloc&)
        {
            s_created = false;
            throw OutOfMemoryException("Failed to allocate memory for the state change observable.");
        }
        catch (...)
        {
            s_created = false;
            throw;
        }
        std::atexit(&StateChangeEventObservable::destroyInstance);
    }
    return *s_instance;
}

bool StateChangeEventObservable::instanceExists() { return s_instance != nullptr; }

void StateChangeEventObservable::destroyInstance()
{
    delete s_instance;
    s_instance = nullptr;
    s_created = false;
}

StateChangeEventObservable::StateChangeEventObservable()
    : orvane::toolbox::StateChangeNotifier(orvane::toolbox::StateChangeMode_DeliverUnderParentLock)
{
}

StateChangeEventObservable::~StateChangeEventObservable() = default;

void StateChangeEventObservable::lockStart(bool shutdownImplicitRecording)
{
    intern::engine::OrvUtilParentLockStart(shutdownImplicitRecording ? TRUE : FALSE);
}

void StateChangeEventObservable::lockFinish() { intern::engine::OrvUtilParentLockFinish(); }

} // namespace integration
} // namespace sdk
} // namespace orvane
