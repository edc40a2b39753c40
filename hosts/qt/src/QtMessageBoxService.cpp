#include "ovsdkqthost/QtMessageBoxService.h"

#include <QMessageBox>

namespace orvane {
namespace sdk {
namespace qthost {

namespace {

struct BoxShape
{
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

bool shapeOf(MessageBoxType_e type, BoxShape& shape)
{
    switch (type)
    {
    case MessageBoxType_Error: shape = {QMessageBox::Critical, QMessageBox::Ok}; return true;
    case MessageBoxType_Warning: shape = {QMessageBox::Warning, QMessageBox::Ok}; return true;
    case MessageBoxType_Information: shape = {QMessageBox::Information, QMessageBox::Ok}; return true;
    case MessageBoxType_Question:
    case MessageBoxType_YesNo: shape = {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No}; return true;
    case MessageBoxType_YesNoCancel:
        shape = {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel};
        return true;
    case MessageBoxType_WarningOkCancel: shape = {QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel}; return true;
    default: return false;
    }
}

MessageBoxReply_e replyOf(int button)
{
    switch (button)
    {
    case QMessageBox::Yes: return MessageBoxReply_Yes;
    case QMessageBox::No: return MessageBoxReply_No;
    case QMessageBox::Cancel: return MessageBoxReply_Cancel;
    case QMessageBox::Ok: return MessageBoxReply_Ok;
    default: return MessageBoxReply_Invalid;
    }
}

} // namespace

QtMessageBoxService::QtMessageBoxService(QWidget* parent, const QString& title) : m_parent(parent), m_title(title) {}

MessageBoxReply_e QtMessageBoxService::showMessageBox(const char* message, MessageBoxType_e type)
{
    BoxShape shape;
    if (!shapeOf(type, shape))
        return MessageBoxReply_Invalid;
    MessageBoxReply_e reply = MessageBoxReply_Invalid;
    if (m_scriptedAnswers.take(reply))
        return reply;
    QMessageBox box(shape.icon, m_title, QString::fromUtf8(message != nullptr ? message : ""), shape.buttons,
                    m_parent.data());
    return replyOf(box.exec());
}

QtScriptedAnswers<MessageBoxReply_e>& QtMessageBoxService::scriptedAnswers() { return m_scriptedAnswers; }

} // namespace qthost
} // namespace sdk
} // namespace orvane
