#include "ovsdkqthost/QtDialogLauncher.h"

namespace orvane {
namespace sdk {
namespace qthost {

QtDialogLauncher::QtDialogLauncher(QDialog& dialog) : m_dialog(&dialog) {}

void QtDialogLauncher::launch()
{
    if (m_dialog == nullptr)
        return;
    if (m_dialog->isVisible())
        m_dialog->raise();
    else
        m_dialog->open();
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
