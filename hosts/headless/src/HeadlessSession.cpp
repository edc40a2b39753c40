#include "ovsdkheadlesshost/HeadlessSession.h"

#include "integration/services/ServiceRepositoryInterface.h"

#include <vector>

namespace orvane {
namespace sdk {
namespace headlesshost {

using integration::ManagerInterface;

HeadlessSession::HeadlessSession()
    : m_misc(m_loop, m_display), m_images(m_display), m_manager(m_loop, m_display)
{
    m_manager.getServiceRepository().setService(&m_misc);
    m_manager.getServiceRepository().setService(&m_images);
}

HeadlessSession::~HeadlessSession() { m_manager.stop(); }

ManagerInterface::ManagerStartReturnCode_e HeadlessSession::start(const std::string& program,
                                                                  const std::string& homeDirectory, bool batchMode)
{
    std::string name = program;
    std::string batch = "-b";
    std::vector<char*> argv = {&name[0]};
    if (batchMode)
        argv.push_back(&batch[0]);
    const ManagerInterface::ManagerStartReturnCode_e result =
        m_manager.init(int(argv.size()), argv.data(), homeDirectory);
    return result == ManagerInterface::ManagerStartReturnCode_Ok ? m_manager.start() : result;
}

HeadlessDisplay& HeadlessSession::display() { return m_display; }

HeadlessEventLoop& HeadlessSession::loop() { return m_loop; }

HeadlessManagerMiscService& HeadlessSession::misc() { return m_misc; }

HeadlessOffscreenImageService& HeadlessSession::images() { return m_images; }

HeadlessManager& HeadlessSession::manager() { return m_manager; }

} // namespace headlesshost
} // namespace sdk
} // namespace orvane
