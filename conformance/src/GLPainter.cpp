#include "GLPainter.h"

namespace orvane {
namespace sdk {
namespace hostconformance {

namespace {

const unsigned ColorBufferBit = 0x4000;
const unsigned ScissorTest = 0x0C11;

template <typename Function>
Function resolve(HostDriver& driver, const char* name)
{
    return reinterpret_cast<Function>(driver.glProcAddress(name));
}

} // namespace

bool GLPainter::Colour::operator==(const Colour& other) const
{
    return red == other.red && green == other.green && blue == other.blue;
}

std::string GLPainter::Colour::text() const
{
    return "rgb(" + std::to_string(red) + ", " + std::to_string(green) + ", " + std::to_string(blue) + ")";
}

GLPainter::GLPainter(HostDriver& driver) : m_driver(driver) {}

bool GLPainter::fill(Colour colour, int x, int y, int width, int height)
{
    const auto clearColor = resolve<void (*)(float, float, float, float)>(m_driver, "glClearColor");
    const auto clear = resolve<void (*)(unsigned)>(m_driver, "glClear");
    const auto enable = resolve<void (*)(unsigned)>(m_driver, "glEnable");
    const auto disable = resolve<void (*)(unsigned)>(m_driver, "glDisable");
    const auto scissor = resolve<void (*)(int, int, int, int)>(m_driver, "glScissor");
    const auto finish = resolve<void (*)()>(m_driver, "glFinish");
    if (!clearColor || !clear || !enable || !disable || !scissor || !finish)
        return false;
    if (width > 0)
    {
        enable(ScissorTest);
        scissor(x, y, width, height);
    }
    clearColor(colour.red / 255.0f, colour.green / 255.0f, colour.blue / 255.0f, 1.0f);
    clear(ColorBufferBit);
    disable(ScissorTest);
    finish();
    return true;
}

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
