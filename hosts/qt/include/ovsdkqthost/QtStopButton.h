#ifndef OVSDKQTHOST_QTSTOPBUTTON_H
#define OVSDKQTHOST_QTSTOPBUTTON_H

#include "ovsdkqthost/Export.h"

#include "integration/StopButtonInterface.h"

#include <QAbstractButton>
#include <QPointer>

namespace orvane {
namespace sdk {
namespace qthost {

// A Qt push button as the library's stop button.
//
// Implements: StopButtonInterface: active while the button is visible and
// enabled (and not deleted); isWidget() recognises the button, so the
// application's event monitor can let its clicks through while the engine
// is busy.
// Leaves to the application: registering it (EventManagerInterface::
// registerStopButton with a shared pointer) and what a click does.
class OVSDKQTHOST_EXPORT QtStopButton : public integration::StopButtonInterface
{
public:
    // A stop button over `button`, which is not owned and may be deleted
    // first (it then counts as inactive).
    explicit QtStopButton(QAbstractButton& button);

    bool isActive() const override;
    bool isWidget(const void* widget) const override;

private:
    QPointer<QAbstractButton> m_button;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTSTOPBUTTON_H
