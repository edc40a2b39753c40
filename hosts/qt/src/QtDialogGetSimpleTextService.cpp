#include "ovsdkqthost/QtDialogGetSimpleTextService.h"

#include <QInputDialog>

namespace orvane {
namespace sdk {
namespace qthost {

QtDialogGetSimpleTextService::QtDialogGetSimpleTextService(QWidget* parent, const QString& title)
    : m_parent(parent), m_title(title)
{
}

bool QtDialogGetSimpleTextService::getSimpleText(std::string instructions, std::string& text)
{
    std::optional<std::string> answer;
    if (m_scriptedAnswers.take(answer))
    {
        if (answer)
            text = *answer;
        return answer.has_value();
    }
    bool accepted = false;
    const QString entered = QInputDialog::getText(m_parent.data(), m_title, QString::fromStdString(instructions),
                                                  QLineEdit::Normal, QString::fromStdString(text), &accepted);
    if (accepted)
        text = entered.toStdString();
    return accepted;
}

QtScriptedAnswers<std::optional<std::string>>& QtDialogGetSimpleTextService::scriptedAnswers()
{
    return m_scriptedAnswers;
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
