#ifndef ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H
#define ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H

#include "integration/ManagerInterface.h"
#include "support/FakeEventManager.h"

namespace orvane {
namespace test {

// The integration manager as a sub-manager sees it: only the event manager
// is there (while `hasEventManager`, as between init() and stop()); every
// other operation throws.
class FakeHostManager : public virtual sdk::integration::ManagerInterface
{
public:
    FakeEventManager eventManager;
    bool hasEventManager = true;

    sdk::integration::EventManagerInterface& getEventManager() override;

    sdk::integration::PageManagerInterface& getPageManager() override;
    sdk::integration::DialogManagerInterface& getDialogManager() override;
    sdk::integration::services::ServiceRepositoryInterface& getServiceRepository() override;
    std::string returnCodeString(ManagerStartReturnCode_e code) override;
    ManagerStartReturnCode_e init(int argc, char* const* argv, std::string homeDirectory,
                                  StateModernizationLevel_e level) override;
    ManagerStartReturnCode_e init(int argc, char* const* argv, std::string homeDirectory) override;
    ManagerStartReturnCode_e start() override;
    void stop() override;
    std::string getHelpAbout() const override;
    bool isInBatchMode() const override;
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H
