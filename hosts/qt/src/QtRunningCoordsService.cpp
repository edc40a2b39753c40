#include "ovsdkqthost/QtRunningCoordsService.h"

namespace orvane {
namespace sdk {
namespace qthost {

QtRunningCoordsService::QtRunningCoordsService(QLabel* label) : m_label(label) {}

void QtRunningCoordsService::showRunningCoordinates(const char* first, const char* second)
{
    if (m_label != nullptr)
        m_label->setText(QString::fromUtf8(first != nullptr ? first : "") + QStringLiteral("  ") +
                         QString::fromUtf8(second != nullptr ? second : ""));
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
