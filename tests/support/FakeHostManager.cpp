#include "support/FakeHostManager.h"

#include "ovexception/ExceptionBase.h"

namespace orvane {
namespace test {

using namespace sdk::integration;

namespace {

[[noreturn]] void notHere(const char* what) { throw orvane::ExceptionBase(std::string(what) + " is not faked", false); }

} // namespace

EventManagerInterface& FakeHostManager::getEventManager()
{
    if (!hasEventManager)
        notHere("The event manager outside init()..stop()");
    return eventManager;
}

PageManagerInterface& FakeHostManager::getPageManager() { notHere("getPageManager"); }
DialogManagerInterface& FakeHostManager::getDialogManager() { notHere("getDialogManager"); }
services::ServiceRepositoryInterface& FakeHostManager::getServiceRepository() { notHere("getServiceRepository"); }
std::string FakeHostManager::returnCodeString(ManagerStartReturnCode_e) { notHere("returnCodeString"); }
ManagerInterface::ManagerStartReturnCode_e FakeHostManager::init(int, char* const*, std::string,
                                                                 StateModernizationLevel_e)
{
    notHere("init");
}
ManagerInterface::ManagerStartReturnCode_e FakeHostManager::init(int, char* const*, std::string) { notHere("init"); }
ManagerInterface::ManagerStartReturnCode_e FakeHostManager::start() { notHere("start"); }
void FakeHostManager::stop() { notHere("stop"); }
std::string FakeHostManager::getHelpAbout() const { notHere("getHelpAbout"); }
bool FakeHostManager::isInBatchMode() const { notHere("isInBatchMode"); }

} // namespace test
} // namespace orvane
