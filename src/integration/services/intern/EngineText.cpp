#include "integration/services/intern/EngineText.h"

#include "integration/intern/boundary/Engine.h"

#include <cstring>

namespace orvane {
namespace sdk {
namespace integration {
namespace services {
namespace intern {

char* toEngineText(const std::string& text, const char* label)
{
    const std::size_t size = text.size() + 1;
    char* engineText = integration::intern::engine::OrvUtilStringAlloc(static_cast<int>(size), label);
    if (engineText)
        std::memcpy(engineText, text.c_str(), size);
    return engineText;
}

} // namespace intern
} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
