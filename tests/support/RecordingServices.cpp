#include "support/RecordingServices.h"

#include "ovexception/ExceptionBase.h"

#include <sstream>

namespace orvane {
namespace test {

namespace {

// "name(a, b, c)", each argument as a stream writes it.
template <typename... Args>
std::string callText(const char* name, const Args&... args)
{
    std::ostringstream text;
    text << name << '(';
    [[maybe_unused]] const char* separator = "";
    ((text << separator << args, separator = ", "), ...);
    text << ')';
    return text.str();
}

} // namespace

std::string engineText(const char* text)
{
    return text ? text : "(null)";
}

MessageBoxReply_e RecordingMessageBoxService::showMessageBox(const char* text, MessageBoxType_e boxType)
{
    ++calls;
    message = text ? std::optional<std::string>(text) : std::nullopt;
    type = boxType;
    return reply;
}

void RecordingCursorShapeService::forgetLastStyle()
{
    m_currentCursorStyle = CursorStyle_Undefined;
    m_currentRenderHandle = 0;
}

void RecordingCursorShapeService::showWaitCursor(bool show)
{
    ++calls;
    log.push_back(callText("wait", show));
}

void RecordingCursorShapeService::setBaseCursorStyle(long long renderHandle, CursorStyle_e style)
{
    ++calls;
    log.push_back(callText("style", renderHandle, style));
}

bool RecordingSimpleTextService::getSimpleText(std::string dialogInstructions, std::string& text)
{
    ++calls;
    instructions = dialogInstructions;
    offered = text;
    text = answer;
    return accept;
}

void RecordingMRULayoutService::updateMRULayout(const std::string& layoutFileName)
{
    ++calls;
    log.push_back(layoutFileName);
}

bool FakeOffscreenImage::render(ExportRegion_e region)
{
    renders.push_back(region);
    if (renderThrows)
        throw ExceptionBase(*renderThrows);
    return renderResult;
}

sdk::integration::GLContextInterface& FakeOffscreenImage::getGLContext()
{
    return *this;
}

long long FakeOffscreenImage::handle() const
{
    return reinterpret_cast<long long>(static_cast<const services::OffscreenImageInterface*>(this));
}

services::OffscreenImageInterface* RecordingOffscreenImageService::createImage(int imageWidth, int)
{
    ++calls;
    if (createThrows)
        throw ExceptionBase(*createThrows);
    if (!makesImages)
        return nullptr;
    width = imageWidth;
    images.push_back(std::make_unique<FakeOffscreenImage>(imageTemplate));
    return images.back().get();
}

void RecordingOffscreenImageService::destroyImage(long long imageHandle)
{
    ++calls;
    destroyed.push_back(imageHandle);
}

bool RecordingOffscreenImageService::getRGBRow(long long imageHandle, int row, unsigned char* red,
                                               unsigned char* green, unsigned char* blue)
{
    ++calls;
    rowReads.push_back(callText("row", imageHandle, row));
    for (int x = 0; x < width; ++x)
        red[x] = green[x] = blue[x] = static_cast<unsigned char>(row);
    return rowResult;
}

void RecordingProgressStatusService::setStatusLine(const char* text)
{
    ++calls;
    log.push_back(callText("status", engineText(text)));
}

void RecordingProgressStatusService::startProgressMonitor(bool first, bool second)
{
    ++calls;
    log.push_back(callText("start", first, second));
}

void RecordingProgressStatusService::finishProgressMonitor()
{
    ++calls;
    log.push_back(callText("finish"));
}

void RecordingProgressStatusService::updateProgressMonitor(int percentDone)
{
    ++calls;
    log.push_back(callText("update", percentDone));
}

void RecordingRunningCoordsService::showRunningCoordinates(const char* first, const char* second)
{
    ++calls;
    log.push_back(callText("coords", engineText(first), engineText(second)));
}

void RecordingSelectRegionService::selectItemsInRect(double x1, double y1, double x2, double y2, bool flag)
{
    ++calls;
    log.push_back(callText("select", x1, y1, x2, y2, flag));
}

} // namespace test
} // namespace orvane
