#ifndef ORVANE_TESTS_SUPPORT_RECORDINGSERVICES_H
#define ORVANE_TESTS_SUPPORT_RECORDINGSERVICES_H

// Host services that answer from plain fields and record every host call in
// `log` as "name(argument, ...)", a null engine text as "(null)" and a bool
// as 1 or 0.

#include "integration/GLContextInterface.h"
#include "integration/services/CursorShapeServiceAbstract.h"
#include "integration/services/DialogGetSimpleTextServiceAbstract.h"
#include "integration/services/MRULayoutServiceAbstract.h"
#include "integration/services/MessageBoxServiceAbstract.h"
#include "integration/services/OffscreenImageServiceAbstract.h"
#include "integration/services/ProgressStatusServiceAbstract.h"
#include "integration/services/RunningCoordsServiceAbstract.h"
#include "integration/services/SelectRegionServiceAbstract.h"
#include "ovexception/ExceptionBase.h"
#include "support/FakeManagerMiscService.h"

#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane {
namespace test {

namespace services = sdk::integration::services;

class CallRecorder
{
public:
    std::vector<std::string> log;

protected:
    template <typename... Args>
    void record(const char* name, const Args&... args)
    {
        std::ostringstream text;
        text << name << '(';
        [[maybe_unused]] const char* separator = "";
        ((text << separator, write(text, args), separator = ", "), ...);
        log.push_back(text.str() + ')');
    }

private:
    template <typename T>
    static void write(std::ostream& out, const T& value) { out << value; }
    static void write(std::ostream& out, const char* text) { out << (text ? text : "(null)"); }
};

class RecordingMessageBoxService : public ResettableService<services::MessageBoxServiceAbstract>, public CallRecorder
{
public:
    MessageBoxReply_e reply = MessageBoxReply_Ok;

    MessageBoxReply_e showMessageBox(const char* message, MessageBoxType_e type) override
    {
        record("message", message, type);
        return reply;
    }
};

class RecordingCursorShapeService : public ResettableService<services::CursorShapeServiceAbstract>, public CallRecorder
{
public:
    // The last style and handle are remembered class-wide too.
    static void forgetLastStyle()
    {
        m_currentCursorStyle = CursorStyle_Undefined;
        m_currentRenderHandle = 0;
    }

    void showWaitCursor(bool show) override { record("wait", show); }
    void setBaseCursorStyle(long long renderHandle, CursorStyle_e style) override
    {
        record("style", renderHandle, style);
    }
};

class RecordingSimpleTextService : public ResettableService<services::DialogGetSimpleTextServiceAbstract>,
                                   public CallRecorder
{
public:
    bool accept = true;
    std::string answer = "typed"; // written to the text even when cancelling

    // Records the instructions and the text offered on entry.
    bool getSimpleText(std::string instructions, std::string& text) override
    {
        record("text", instructions, text);
        text = answer;
        return accept;
    }
};

class RecordingMRULayoutService : public ResettableService<services::MRULayoutServiceAbstract>, public CallRecorder
{
public:
    void updateMRULayout(const std::string& layoutFileName) override { record("layout", layoutFileName); }
};

// An offscreen image that is its own GL context, as hosts often write it; the
// image interface is therefore not at the start of the object.
class FakeOffscreenImage : public sdk::integration::GLContextInterface,
                           public services::OffscreenImageInterface,
                           public CallRecorder
{
public:
    bool renderResult = true;
    std::optional<std::string> renderThrows; // message of an orvane::ExceptionBase
    bool renderThrowsOther = false;          // a std::runtime_error("bad render")

    bool render(ExportRegion_e region) override
    {
        record("render", region);
        if (renderThrows)
            throw ExceptionBase(*renderThrows);
        if (renderThrowsOther)
            throw std::runtime_error("bad render");
        return renderResult;
    }
    sdk::integration::GLContextInterface& getGLContext() override { return *this; }
    void swapBuffers() override {}
    bool makeCurrent() override { return true; }
    bool releaseCurrent() override { return true; }

    long long handle() const
    {
        return reinterpret_cast<long long>(static_cast<const services::OffscreenImageInterface*>(this));
    }
};

class RecordingOffscreenImageService : public ResettableService<services::OffscreenImageServiceAbstract>,
                                       public CallRecorder
{
public:
    bool makesImages = true;
    std::optional<std::string> createThrows; // message of an orvane::ExceptionBase
    FakeOffscreenImage imageTemplate;        // copied into each image made
    std::vector<std::unique_ptr<FakeOffscreenImage>> images;

    services::OffscreenImageInterface* createImage(int width, int height) override
    {
        record("create", width, height);
        if (createThrows)
            throw ExceptionBase(*createThrows);
        if (!makesImages)
            return nullptr;
        images.push_back(std::make_unique<FakeOffscreenImage>(imageTemplate));
        return images.back().get();
    }
    void destroyImage(long long imageHandle) override { record("destroy", imageHandle); }
    // Answers one pixel, each channel the row number.
    bool getRGBRow(long long imageHandle, int row, unsigned char* red, unsigned char* green,
                   unsigned char* blue) override
    {
        record("row", imageHandle, row);
        *red = *green = *blue = static_cast<unsigned char>(row);
        return true;
    }
};

class RecordingProgressStatusService : public ResettableService<services::ProgressStatusServiceAbstract>,
                                       public CallRecorder
{
public:
    void setStatusLine(const char* text) override { record("status", text); }
    void startProgressMonitor(bool first, bool second) override { record("start", first, second); }
    void finishProgressMonitor() override { record("finish"); }
    void updateProgressMonitor(int percentDone) override { record("update", percentDone); }
};

class RecordingRunningCoordsService : public ResettableService<services::RunningCoordsServiceAbstract>,
                                      public CallRecorder
{
public:
    void showRunningCoordinates(const char* first, const char* second) override
    {
        record("coords", first, second);
    }
};

class RecordingSelectRegionService : public ResettableService<services::SelectRegionServiceAbstract>,
                                     public CallRecorder
{
public:
    void selectItemsInRect(double x1, double y1, double x2, double y2, bool flag) override
    {
        record("select", x1, y1, x2, y2, flag);
    }
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_RECORDINGSERVICES_H
