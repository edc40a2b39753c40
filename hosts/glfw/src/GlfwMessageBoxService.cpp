#include "ovsdkglfwhost/GlfwMessageBoxService.h"

#include <iostream>

namespace orvane {
namespace sdk {
namespace glfwhost {

namespace {

struct Answer
{
    const char* kind;
    MessageBoxReply_e reply;
};

Answer answerOf(MessageBoxType_e type)
{
    switch (type)
    {
    case MessageBoxType_Error: return {"error", MessageBoxReply_Ok};
    case MessageBoxType_Warning: return {"warning", MessageBoxReply_Ok};
    case MessageBoxType_Information: return {"information", MessageBoxReply_Ok};
    case MessageBoxType_Question: return {"question", MessageBoxReply_No};
    case MessageBoxType_YesNo: return {"yes/no", MessageBoxReply_No};
    case MessageBoxType_YesNoCancel: return {"yes/no/cancel", MessageBoxReply_Cancel};
    case MessageBoxType_WarningOkCancel: return {"warning, ok/cancel", MessageBoxReply_Cancel};
    default: return {"unknown", MessageBoxReply_Invalid};
    }
}

} // namespace

GlfwMessageBoxService::GlfwMessageBoxService(std::ostream& out) : m_out(out) {}

GlfwMessageBoxService::GlfwMessageBoxService() : m_out(std::cerr) {}

MessageBoxReply_e GlfwMessageBoxService::showMessageBox(const char* message, MessageBoxType_e type)
{
    const Answer answer = answerOf(type);
    m_out << "message box (" << answer.kind << "): " << (message != nullptr ? message : "") << std::endl;
    return answer.reply;
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
