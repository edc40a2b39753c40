#ifndef ORVANE_TESTS_SUPPORT_RECORDINGSERVICES_H
#define ORVANE_TESTS_SUPPORT_RECORDINGSERVICES_H

// Host services that answer from plain fields and record what they were
// asked, one per service class. `calls` counts every host operation; `log`
// holds them as readable texts where the arguments matter.

#include "integration/GLContextInterface.h"
#include "integration/services/CursorShapeServiceAbstract.h"
#include "integration/services/DialogGetSimpleTextServiceAbstract.h"
#include "integration/services/MRULayoutServiceAbstract.h"
#include "integration/services/MessageBoxServiceAbstract.h"
#include "integration/services/OffscreenImageInterface.h"
#include "integration/services/OffscreenImageServiceAbstract.h"
#include "integration/services/ProgressStatusServiceAbstract.h"
#include "integration/services/RunningCoordsServiceAbstract.h"
#include "integration/services/SelectRegionServiceAbstract.h"
#include "support/ResettableService.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane {
namespace test {

namespace services = sdk::integration::services;

// "(null)" for a null engine text, the text otherwise.
std::string engineText(const char* text);

class RecordingMessageBoxService : public ResettableService<services::MessageBoxServiceAbstract>
{
public:
    MessageBoxReply_e reply = MessageBoxReply_Ok;
    int calls = 0;
    std::optional<std::string> message; // nullopt for a null text
    MessageBoxType_e type = MessageBoxType_Invalid;

    MessageBoxReply_e showMessageBox(const char* text, MessageBoxType_e boxType) override;
};

class RecordingCursorShapeService : public ResettableService<services::CursorShapeServiceAbstract>
{
public:
    int calls = 0;
    std::vector<std::string> log; // "wait(1)", "style(7, 2)"

    // The remembered style and handle are class-wide too.
    static void forgetLastStyle();

    void showWaitCursor(bool show) override;
    void setBaseCursorStyle(long long renderHandle, CursorStyle_e style) override;
};

class RecordingSimpleTextService : public ResettableService<services::DialogGetSimpleTextServiceAbstract>
{
public:
    bool accept = true;
    std::string answer = "typed"; // written to the text even when cancelling
    int calls = 0;
    std::string instructions;
    std::string offered; // the text on entry

    bool getSimpleText(std::string dialogInstructions, std::string& text) override;
};

class RecordingMRULayoutService : public ResettableService<services::MRULayoutServiceAbstract>
{
public:
    int calls = 0;
    std::vector<std::string> log;

    void updateMRULayout(const std::string& layoutFileName) override;
};

// An offscreen image that is its own GL context, as many hosts write it; the
// image interface is therefore not at the start of the object.
class FakeOffscreenImage : public sdk::integration::GLContextInterface, public services::OffscreenImageInterface
{
public:
    bool renderResult = true;
    std::optional<std::string> renderThrows; // message of an orvane::ExceptionBase
    std::vector<ExportRegion_e> renders;

    bool render(ExportRegion_e region) override;
    sdk::integration::GLContextInterface& getGLContext() override;
    void swapBuffers() override {}
    bool makeCurrent() override { return true; }
    bool releaseCurrent() override { return true; }

    long long handle() const;
};

class RecordingOffscreenImageService : public ResettableService<services::OffscreenImageServiceAbstract>
{
public:
    bool makesImages = true;
    std::optional<std::string> createThrows; // message of an orvane::ExceptionBase
    bool rowResult = true;
    // Configures each image as it is made.
    FakeOffscreenImage imageTemplate;

    int calls = 0;
    std::vector<std::unique_ptr<FakeOffscreenImage>> images;
    int width = 0; // of the last image made, the row length getRGBRow fills
    std::vector<long long> destroyed;
    std::vector<std::string> rowReads; // "row(handle, row)"

    services::OffscreenImageInterface* createImage(int width, int height) override;
    void destroyImage(long long imageHandle) override;
    // Fills each channel with the row number.
    bool getRGBRow(long long imageHandle, int row, unsigned char* red, unsigned char* green,
                   unsigned char* blue) override;
};

class RecordingProgressStatusService : public ResettableService<services::ProgressStatusServiceAbstract>
{
public:
    int calls = 0;
    std::vector<std::string> log; // "status(text)", "start(1, 0)", "update(40)", "finish()"

    void setStatusLine(const char* text) override;
    void startProgressMonitor(bool first, bool second) override;
    void finishProgressMonitor() override;
    void updateProgressMonitor(int percentDone) override;
};

class RecordingRunningCoordsService : public ResettableService<services::RunningCoordsServiceAbstract>
{
public:
    int calls = 0;
    std::vector<std::string> log; // "coords(x, y)"

    void showRunningCoordinates(const char* first, const char* second) override;
};

class RecordingSelectRegionService : public ResettableService<services::SelectRegionServiceAbstract>
{
public:
    int calls = 0;
    std::vector<std::string> log; // "select(x1, y1, x2, y2, 1)"

    void selectItemsInRect(double x1, double y1, double x2, double y2, bool flag) override;
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_RECORDINGSERVICES_H
