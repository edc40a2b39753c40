#ifndef OVSDKQTHOST_QTDIALOGLAUNCHER_H
#define OVSDKQTHOST_QTDIALOGLAUNCHER_H

#include "ovsdkqthost/Export.h"

#include "integration/DialogLauncherInterface.h"

#include <QDialog>
#include <QPointer>

namespace orvane {
namespace sdk {
namespace qthost {

// A Qt dialog as the launcher of one of the engine's host dialogs.
//
// Implements: DialogLauncherInterface: launch() opens the dialog window-
// modally without blocking (QDialog::open), raising it when it is already
// open; a deleted dialog is not opened.
// Leaves to the application: the dialog and registering the launcher with
// the dialog manager for the engine's dialog identifier; the launcher must
// live while the engine runs.
class OVSDKQTHOST_EXPORT QtDialogLauncher : public integration::DialogLauncherInterface
{
public:
    // Launches `dialog`, which is not owned and may be deleted first.
    explicit QtDialogLauncher(QDialog& dialog);

    void launch() override;

private:
    QPointer<QDialog> m_dialog;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTDIALOGLAUNCHER_H
