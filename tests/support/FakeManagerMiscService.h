#ifndef ORVANE_TESTS_SUPPORT_FAKEMANAGERMISCSERVICE_H
#define ORVANE_TESTS_SUPPORT_FAKEMANAGERMISCSERVICE_H

#include "integration/services/ManagerMiscServiceAbstract.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace orvane {
namespace test {

// A service class registers its engine callbacks once per process, while
// tests reset the simulated engine between cases (which forgets them). Fakes
// derive from ResettableService<XServiceAbstract> so that a test can make the
// class register again at its next makeCurrent(), as in a fresh process.
template <typename ServiceAbstract>
class ResettableService : public ServiceAbstract
{
public:
    static void forgetRegistration() { ServiceAbstract::m_callbacksRegistered = false; }
};

// A host's screen, keyboard and mouse, as plain fields: tests set what the
// host answers and read back what it was asked. Not current until a test
// calls makeCurrent() (or hands it to a service repository).
class FakeManagerMiscService
    : public ResettableService<sdk::integration::services::ManagerMiscServiceAbstract>
{
public:
    typedef sdk::integration::MouseEventInterface::MouseButton_e MouseButton;

    // What the host answers.
    int modifiers = 0;                    // 1 Shift, 2 Control, 4 Alt
    std::map<int, short> keyTranslations; // codes not listed translate to themselves
    std::set<MouseButton> pressedButtons;
    double dotPitchX = 0.25;
    double dotPitchY = 0.3;
    int screenWidth = 1920;
    int screenHeight = 1080;
    std::string openGLVersion = "4.6 Fake";
    double devicePixelRatio = 1.0;

    // What the host was asked.
    int modifierQueries = 0;
    std::vector<int> translatedKeyCodes;
    std::vector<MouseButton> buttonQueries;

    int getKeyboardModifiers() override
    {
        ++modifierQueries;
        return modifiers;
    }
    short translateKeyCode(int keyCode) override
    {
        translatedKeyCodes.push_back(keyCode);
        const auto translation = keyTranslations.find(keyCode);
        return translation != keyTranslations.end() ? translation->second : static_cast<short>(keyCode);
    }
    void getDotPitch(double* x, double* y) override
    {
        *x = dotPitchX;
        *y = dotPitchY;
    }
    void getScreenSize(int* width, int* height) override
    {
        *width = screenWidth;
        *height = screenHeight;
    }
    bool isMouseButtonPressed(MouseButton button) override
    {
        buttonQueries.push_back(button);
        return pressedButtons.count(button) != 0;
    }
    std::string getOpenGLVersionString() override { return openGLVersion; }
    double getDevicePixelRatio() override { return devicePixelRatio; }
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_FAKEMANAGERMISCSERVICE_H
