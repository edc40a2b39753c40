#include "integration/services/MRULayoutServiceAbstract.h"

#include "integration/intern/boundary/EngineCallbacks.h"
#include "integration/services/intern/MakeServiceCurrent.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

namespace callbacks = integration::intern::callbacks;
namespace engine = integration::intern::engine;

MRULayoutServiceInterface* MRULayoutServiceAbstract::m_currentInstance = nullptr;
bool MRULayoutServiceAbstract::m_callbacksRegistered = false;

MRULayoutServiceAbstract::MRULayoutServiceAbstract() = default;

MRULayoutServiceAbstract::~MRULayoutServiceAbstract()
{
    m_currentInstance = nullptr;
}

void MRULayoutServiceAbstract::registerCallbacks()
{
    engine::OrvEngMRULayoutFilenameRegisterCallback(
        &callbacks::mruLayoutFilename<&MRULayoutServiceAbstract::static_updateMRULayoutCallback>,
        0);
}

void MRULayoutServiceAbstract::makeCurrent()
{
    intern::makeServiceCurrent(*this, m_currentInstance, m_callbacksRegistered);
}

// A null name names no layout: the host is not told.
void MRULayoutServiceAbstract::static_updateMRULayoutCallback(const char* layoutFileName, ArbParam_t)
{
    if (m_currentInstance && layoutFileName)
        m_currentInstance->updateMRULayout(layoutFileName);
}

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
