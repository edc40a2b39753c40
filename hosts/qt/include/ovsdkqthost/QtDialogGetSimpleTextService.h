#ifndef OVSDKQTHOST_QTDIALOGGETSIMPLETEXTSERVICE_H
#define OVSDKQTHOST_QTDIALOGGETSIMPLETEXTSERVICE_H

#include "ovsdkqthost/Export.h"
#include "ovsdkqthost/QtScriptedAnswers.h"

#include "integration/services/DialogGetSimpleTextServiceAbstract.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

namespace orvane {
namespace sdk {
namespace qthost {

// The engine's one-line text entry with QInputDialog.
//
// Implements: DialogGetSimpleTextService: the engine's instructions as the
// label, its default as the starting text; Cancel answers false. A
// scripted answer (a text, or no value for Cancel) comes first.
// Leaves to the application: the parent widget and the window title.
class OVSDKQTHOST_EXPORT QtDialogGetSimpleTextService : public integration::services::DialogGetSimpleTextServiceAbstract
{
public:
    // Dialogs open over `parent` (not owned; may be deleted first) with
    // `title`.
    explicit QtDialogGetSimpleTextService(QWidget* parent = nullptr, const QString& title = QString());

    bool getSimpleText(std::string instructions, std::string& text) override;

    // An empty optional cancels the dialog.
    QtScriptedAnswers<std::optional<std::string>>& scriptedAnswers();

private:
    QPointer<QWidget> m_parent;
    QString m_title;
    QtScriptedAnswers<std::optional<std::string>> m_scriptedAnswers;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTDIALOGGETSIMPLETEXTSERVICE_H
