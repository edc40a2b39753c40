#ifndef OVSDKQTHOST_QTMESSAGEBOXSERVICE_H
#define OVSDKQTHOST_QTMESSAGEBOXSERVICE_H

#include "ovsdkqthost/Export.h"
#include "ovsdkqthost/QtScriptedAnswers.h"

#include "integration/services/MessageBoxServiceAbstract.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace orvane {
namespace sdk {
namespace qthost {

// The engine's message boxes with QMessageBox.
//
// Implements: MessageBoxService: Error, Warning and Information boxes with
// Ok; Question and YesNo with Yes and No; YesNoCancel with Yes, No and
// Cancel; WarningOkCancel with Ok and Cancel. Closing the box answers
// Cancel where offered, otherwise the box's only or "No" button. An Invalid
// type shows nothing and answers Invalid. Scripted answers come first.
// Leaves to the application: the parent widget and the window title.
class OVSDKQTHOST_EXPORT QtMessageBoxService : public integration::services::MessageBoxServiceAbstract
{
public:
    // Boxes open over `parent` (not owned; may be deleted first) with `title`.
    explicit QtMessageBoxService(QWidget* parent = nullptr, const QString& title = QString());

    MessageBoxReply_e showMessageBox(const char* message, MessageBoxType_e type) override;

    // The replies given in advance, taken before any box is shown.
    QtScriptedAnswers<MessageBoxReply_e>& scriptedAnswers();

private:
    QPointer<QWidget> m_parent;
    QString m_title;
    QtScriptedAnswers<MessageBoxReply_e> m_scriptedAnswers;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTMESSAGEBOXSERVICE_H
