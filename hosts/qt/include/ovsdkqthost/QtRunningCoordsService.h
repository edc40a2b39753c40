#ifndef OVSDKQTHOST_QTRUNNINGCOORDSSERVICE_H
#define OVSDKQTHOST_QTRUNNINGCOORDSSERVICE_H

#include "ovsdkqthost/Export.h"

#include "integration/services/RunningCoordsServiceAbstract.h"

#include <QLabel>
#include <QPointer>

namespace orvane {
namespace sdk {
namespace qthost {

// The engine's running coordinates in a QLabel.
//
// Implements: RunningCoordsService: the label shows the engine's two texts
// side by side ("X: 12  Y: 30"); null texts count as empty.
// Leaves to the application: the label (not owned; may be deleted first).
class OVSDKQTHOST_EXPORT QtRunningCoordsService : public integration::services::RunningCoordsServiceAbstract
{
public:
    // A service writing into `label` (not owned; may be null).
    explicit QtRunningCoordsService(QLabel* label);

    void showRunningCoordinates(const char* first, const char* second) override;

private:
    QPointer<QLabel> m_label;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTRUNNINGCOORDSSERVICE_H
