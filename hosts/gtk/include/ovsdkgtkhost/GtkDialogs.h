// The engine's message boxes and its simple text question as GTK dialogs.
//
// Implements: MessageBoxService and DialogGetSimpleTextService: a modal
// dialog over the active window of the application (if any), waited for in
// a nested GLib main loop, as GTK 3's gtk_dialog_run() did. Message boxes:
// error, warning and information have OK; a question and yes/no have Yes
// and No; yes/no/cancel adds Cancel; the warning with OK and Cancel has
// those; closing the dialog answers No, Cancel or OK as the buttons allow.
// The text question shows the engine's instructions over an entry; OK (or
// Enter) gives the text, Cancel or closing gives none.
// Leaves to the application: making them current. While a dialog is open
// the engine waits; input to other windows still reaches them.
#ifndef OVSDKGTKHOST_GTKDIALOGS_H
#define OVSDKGTKHOST_GTKDIALOGS_H

#include "ovsdkgtkhost/Export.h"

#include "integration/services/DialogGetSimpleTextServiceAbstract.h"
#include "integration/services/MessageBoxServiceAbstract.h"

namespace orvane {
namespace sdk {
namespace gtkhost {

// The message box as a modal GTK dialog, run in a nested main loop.
class OVSDKGTKHOST_EXPORT GtkMessageBoxService : public integration::services::MessageBoxServiceAbstract
{
public:
    // Shows `message` and waits for the user's answer.
    //
    // @thread_safety GUI thread only, after gtk_init().
    MessageBoxReply_e showMessageBox(const char* message, MessageBoxType_e type) override;
};

// The text dialog as a modal GTK dialog with an entry, run in a nested
// main loop.
class OVSDKGTKHOST_EXPORT GtkDialogGetSimpleTextService
    : public integration::services::DialogGetSimpleTextServiceAbstract
{
public:
    // Asks for a text with `instructions`; true with `text` on OK.
    //
    // @thread_safety GUI thread only, after gtk_init().
    bool getSimpleText(std::string instructions, std::string& text) override;
};

} // namespace gtkhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGTKHOST_GTKDIALOGS_H
