// The pattern every service class follows: engine callbacks registered once
// per class with client value 0, one current object per class, and no current
// object once the current one (or any other) is destroyed.

#include "integration/services/intern/ServiceRepository.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/FakeManagerMiscService.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

namespace orvane {
namespace test {
namespace {

typedef std::vector<std::string> Texts;

Texts registrationTexts()
{
    Texts texts;
    for (const std::string& text : sim::callTexts("OrvEng"))
        if (text.find("Register") != std::string::npos)
            texts.push_back(text);
    return texts;
}

// Per service class: its fake, the registrations it makes, one engine request
// and how many host calls the fake has served.
struct CursorShapeCase
{
    typedef RecordingCursorShapeService Fake;
    static Texts registrations()
    {
        return {"OrvEngBaseCursorStyleRegisterCallback(0)", "OrvEngWaitCursorStateRegisterCallback(0)"};
    }
    static void request() { sim::requestWaitCursor(true); }
    static int served(const Fake& fake) { return fake.calls; }
};

struct DialogGetSimpleTextCase
{
    typedef RecordingSimpleTextService Fake;
    static Texts registrations() { return {"OrvEngDialogGetSimpleTextRegisterCallback(0)"}; }
    static void request()
    {
        std::string text;
        sim::requestSimpleText("Name", text, false);
    }
    static int served(const Fake& fake) { return fake.calls; }
};

struct MRULayoutCase
{
    typedef RecordingMRULayoutService Fake;
    static Texts registrations() { return {"OrvEngMRULayoutFilenameRegisterCallback(0)"}; }
    static void request() { sim::reportMRULayout("plot.lay"); }
    static int served(const Fake& fake) { return fake.calls; }
};

struct ManagerMiscCase
{
    typedef FakeManagerMiscService Fake;
    static Texts registrations()
    {
        return {"OrvEngDotPitchRegisterCallback(0)", "OrvEngScreenSizeRegisterCallback(0)",
                "OrvEngKeyStateRegisterCallback(0)", "OrvEngMouseButtonStateRegisterCallback(0)",
                "OrvEngOpenGLVersionStringRegisterCallback(0)"};
    }
    static void request()
    {
        Boolean_t shift = FALSE, alt = FALSE, control = FALSE;
        sim::requestKeyState(&shift, &alt, &control);
    }
    static int served(const Fake& fake) { return fake.modifierQueries; }
};

struct MessageBoxCase
{
    typedef RecordingMessageBoxService Fake;
    static Texts registrations() { return {"OrvEngDialogMessageBoxRegisterCallback(0)"}; }
    static void request() { sim::requestMessageBox("Save?", MessageBoxType_Question); }
    static int served(const Fake& fake) { return fake.calls; }
};

struct OffscreenImageCase
{
    typedef RecordingOffscreenImageService Fake;
    static Texts registrations()
    {
        return {"OrvEngOffscreenImageCreateRegisterCallback(0)", "OrvEngOffscreenImageDestroyRegisterCallback(0)",
                "OrvEngOffscreenImageGetRGBRowRegisterCallback(0)"};
    }
    static void request()
    {
        const auto& destroy = sim::callbacks().offscreenImageDestroy;
        ASSERT_TRUE(destroy);
        destroy.callback(1, destroy.clientData);
    }
    static int served(const Fake& fake) { return fake.calls; }
};

struct ProgressStatusCase
{
    typedef RecordingProgressStatusService Fake;
    static Texts registrations()
    {
        return {"OrvEngStatusLineRegisterCallback(0)", "OrvEngProgressMonitorRegisterCallback(0)"};
    }
    static void request() { sim::reportStatusLine("Loading"); }
    static int served(const Fake& fake) { return fake.calls; }
};

struct RunningCoordsCase
{
    typedef RecordingRunningCoordsService Fake;
    static Texts registrations() { return {"OrvEngShowRunningCoordinatesRegisterCallback(0)"}; }
    static void request() { sim::reportRunningCoordinates("X: 1", "Y: 2"); }
    static int served(const Fake& fake) { return fake.calls; }
};

struct SelectRegionCase
{
    typedef RecordingSelectRegionService Fake;
    static Texts registrations() { return {"OrvEngSelectRegionRegisterCallback(0)"}; }
    static void request() { sim::requestSelectRegion(0, 0, 1, 1, true); }
    static int served(const Fake& fake) { return fake.calls; }
};

template <typename Case>
class ServiceClassTest : public ::testing::Test
{
protected:
    typedef typename Case::Fake Fake;

    void SetUp() override
    {
        sim::reset();
        Fake::forgetRegistration();
    }
};

typedef ::testing::Types<CursorShapeCase, DialogGetSimpleTextCase, MRULayoutCase, ManagerMiscCase, MessageBoxCase,
                         OffscreenImageCase, ProgressStatusCase, RunningCoordsCase, SelectRegionCase>
    ServiceCases;
TYPED_TEST_SUITE(ServiceClassTest, ServiceCases);

TYPED_TEST(ServiceClassTest, RegistersOnceAndServesThroughTheLatestCurrentObject)
{
    typename TestFixture::Fake first, second;
    sdk::integration::services::intern::ServiceRepository repository;

    repository.setService(&first);
    EXPECT_EQ(registrationTexts(), TypeParam::registrations());
    repository.setService(&second);
    EXPECT_EQ(registrationTexts(), TypeParam::registrations());

    TypeParam::request();
    EXPECT_EQ(TypeParam::served(first), 0);
    EXPECT_EQ(TypeParam::served(second), 1);

    first.makeCurrent();
    TypeParam::request();
    EXPECT_EQ(TypeParam::served(first), 1);
    EXPECT_EQ(TypeParam::served(second), 1);
    EXPECT_EQ(registrationTexts().size(), TypeParam::registrations().size());
}

TYPED_TEST(ServiceClassTest, DestroyingAnyObjectLeavesTheClassWithoutACurrentOne)
{
    typename TestFixture::Fake current;
    current.makeCurrent();
    {
        typename TestFixture::Fake neverCurrent;
    }
    TypeParam::request();
    EXPECT_EQ(TypeParam::served(current), 0);

    {
        typename TestFixture::Fake gone;
        gone.makeCurrent();
    }
    TypeParam::request(); // must not reach the destroyed object

    // The callbacks stayed registered: making an object current again is enough.
    current.makeCurrent();
    TypeParam::request();
    EXPECT_EQ(TypeParam::served(current), 1);
    EXPECT_EQ(registrationTexts().size(), TypeParam::registrations().size());
}

TEST(ServiceRepositoryTest, IgnoresANullService)
{
    sim::reset();
    RecordingMessageBoxService::forgetRegistration();
    RecordingMessageBoxService service;
    sdk::integration::services::intern::ServiceRepository repository;
    repository.setService(&service);

    repository.setService(nullptr);

    EXPECT_EQ(sim::requestMessageBox("Still there?", MessageBoxType_YesNo), MessageBoxReply_Ok);
    EXPECT_EQ(service.calls, 1);
}

} // namespace
} // namespace test
} // namespace orvane
