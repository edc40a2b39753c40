#include "ovsdkgtkhost/GtkDialogs.h"

#include <gtk/gtk.h>

#include <vector>

namespace orvane {
namespace sdk {
namespace gtkhost {

namespace {

struct Button
{
    const char* label;
    MessageBoxReply_e reply;
};

// The application's active window, if any.
GtkWindow* activeWindow()
{
    GListModel* const toplevels = gtk_window_get_toplevels();
    for (unsigned index = 0; index < g_list_model_get_n_items(toplevels); ++index)
    {
        GtkWindow* const window = GTK_WINDOW(g_list_model_get_item(toplevels, index));
        g_object_unref(window);
        if (gtk_window_is_active(window))
            return window;
    }
    return nullptr;
}

// Runs `dialog` modally until the user answers; the response id, or
// GTK_RESPONSE_DELETE_EVENT when it was closed.
int run(GtkDialog* dialog)
{
    struct Wait
    {
        GMainLoop* loop;
        int response;
    } wait{g_main_loop_new(nullptr, FALSE), GTK_RESPONSE_DELETE_EVENT};
    gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
    g_signal_connect(dialog, "response", G_CALLBACK(+[](GtkDialog*, int response, Wait* waiting) {
                         waiting->response = response;
                         g_main_loop_quit(waiting->loop);
                     }),
                     &wait);
    gtk_window_present(GTK_WINDOW(dialog));
    g_main_loop_run(wait.loop);
    g_main_loop_unref(wait.loop);
    gtk_window_destroy(GTK_WINDOW(dialog));
    return wait.response;
}

std::vector<Button> buttonsOf(MessageBoxType_e type)
{
    switch (type)
    {
    case MessageBoxType_Question:
    case MessageBoxType_YesNo: return {{"_Yes", MessageBoxReply_Yes}, {"_No", MessageBoxReply_No}};
    case MessageBoxType_YesNoCancel:
        return {{"_Yes", MessageBoxReply_Yes}, {"_No", MessageBoxReply_No}, {"_Cancel", MessageBoxReply_Cancel}};
    case MessageBoxType_WarningOkCancel: return {{"_OK", MessageBoxReply_Ok}, {"_Cancel", MessageBoxReply_Cancel}};
    default: return {{"_OK", MessageBoxReply_Ok}};
    }
}

GtkMessageType messageTypeOf(MessageBoxType_e type)
{
    switch (type)
    {
    case MessageBoxType_Error: return GTK_MESSAGE_ERROR;
    case MessageBoxType_Warning:
    case MessageBoxType_WarningOkCancel: return GTK_MESSAGE_WARNING;
    case MessageBoxType_Information: return GTK_MESSAGE_INFO;
    case MessageBoxType_Question:
    case MessageBoxType_YesNo:
    case MessageBoxType_YesNoCancel: return GTK_MESSAGE_QUESTION;
    default: return GTK_MESSAGE_OTHER;
    }
}

} // namespace

MessageBoxReply_e GtkMessageBoxService::showMessageBox(const char* message, MessageBoxType_e type)
{
    if (messageTypeOf(type) == GTK_MESSAGE_OTHER)
        return MessageBoxReply_Invalid;
    const std::vector<Button> buttons = buttonsOf(type);
    GtkWidget* const dialog = gtk_message_dialog_new(activeWindow(), GTK_DIALOG_MODAL, messageTypeOf(type),
                                                     GTK_BUTTONS_NONE, "%s", message != nullptr ? message : "");
    for (std::size_t index = 0; index < buttons.size(); ++index)
        gtk_dialog_add_button(GTK_DIALOG(dialog), buttons[index].label, int(index));
    const int response = run(GTK_DIALOG(dialog));
    if (response >= 0 && std::size_t(response) < buttons.size())
        return buttons[std::size_t(response)].reply;
    // Closed: the answer of the last button (No, Cancel or OK).
    return buttons.back().reply;
}

bool GtkDialogGetSimpleTextService::getSimpleText(std::string instructions, std::string& text)
{
    GtkWidget* const dialog =
        gtk_dialog_new_with_buttons("", activeWindow(), GtkDialogFlags(GTK_DIALOG_MODAL | GTK_DIALOG_USE_HEADER_BAR),
                                    "_Cancel", GTK_RESPONSE_CANCEL, "_OK", GTK_RESPONSE_OK, nullptr);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
    GtkWidget* const content = gtk_dialog_get_content_area(GTK_DIALOG(dialog));
    gtk_box_append(GTK_BOX(content), gtk_label_new(instructions.c_str()));
    GtkWidget* const entry = gtk_entry_new();
    gtk_entry_set_activates_default(GTK_ENTRY(entry), TRUE);
    gtk_box_append(GTK_BOX(content), entry);
    g_object_ref(entry);
    const bool answered = run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
    if (answered)
        text = gtk_editable_get_text(GTK_EDITABLE(entry));
    g_object_unref(entry);
    return answered;
}

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
