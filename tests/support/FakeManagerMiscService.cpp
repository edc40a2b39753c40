#include "support/FakeManagerMiscService.h"

namespace orvane {
namespace test {

int FakeManagerMiscService::getKeyboardModifiers()
{
    ++modifierQueries;
    return modifiers;
}

short FakeManagerMiscService::translateKeyCode(int keyCode)
{
    translatedKeyCodes.push_back(keyCode);
    const auto translation = keyTranslations.find(keyCode);
    return translation != keyTranslations.end() ? translation->second : static_cast<short>(keyCode);
}

void FakeManagerMiscService::getDotPitch(double* x, double* y)
{
    *x = dotPitchX;
    *y = dotPitchY;
}

void FakeManagerMiscService::getScreenSize(int* width, int* height)
{
    *width = screenWidth;
    *height = screenHeight;
}

bool FakeManagerMiscService::isMouseButtonPressed(MouseButton button)
{
    buttonQueries.push_back(button);
    return pressedButtons.count(button) != 0;
}

std::string FakeManagerMiscService::getOpenGLVersionString()
{
    return openGLVersion;
}

double FakeManagerMiscService::getDevicePixelRatio()
{
    return devicePixelRatio;
}

} // namespace test
} // namespace orvane
