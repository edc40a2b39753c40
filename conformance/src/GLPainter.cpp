#include "GLPainter.h"

#include "ContractText.h"

#include <cstdio>

namespace orvane {
namespace sdk {
namespace hostconformance {

namespace {

// The OpenGL constants the painter needs (values of the GL API).
const unsigned Quads = 0x0007;
const unsigned ScissorTest = 0x0C11;
const unsigned DepthTest = 0x0B71;
const unsigned Blend = 0x0BE2;
const unsigned Texture2D = 0x0DE1;
const unsigned ModelView = 0x1700;
const unsigned Projection = 0x1701;
const unsigned Version = 0x1F02;
const unsigned ContextProfileMask = 0x9126;
const unsigned ContextCoreProfileBit = 0x1;

template <typename Function>
Function resolve(HostDriver& driver, const char* name)
{
    return reinterpret_cast<Function>(driver.glProcAddress(name));
}

// The OpenGL 1.x calls of a fill, all resolved or the table is incomplete.
struct LegacyCalls
{
    void (*viewport)(int, int, int, int);
    void (*scissor)(int, int, int, int);
    void (*enable)(unsigned);
    void (*disable)(unsigned);
    void (*matrixMode)(unsigned);
    void (*loadIdentity)();
    void (*color3ub)(unsigned char, unsigned char, unsigned char);
    void (*begin)(unsigned);
    void (*vertex2f)(float, float);
    void (*end)();
    void (*finish)();

    explicit LegacyCalls(HostDriver& driver)
        : viewport(resolve<decltype(viewport)>(driver, "glViewport")),
          scissor(resolve<decltype(scissor)>(driver, "glScissor")),
          enable(resolve<decltype(enable)>(driver, "glEnable")),
          disable(resolve<decltype(disable)>(driver, "glDisable")),
          matrixMode(resolve<decltype(matrixMode)>(driver, "glMatrixMode")),
          loadIdentity(resolve<decltype(loadIdentity)>(driver, "glLoadIdentity")),
          color3ub(resolve<decltype(color3ub)>(driver, "glColor3ub")),
          begin(resolve<decltype(begin)>(driver, "glBegin")),
          vertex2f(resolve<decltype(vertex2f)>(driver, "glVertex2f")),
          end(resolve<decltype(end)>(driver, "glEnd")),
          finish(resolve<decltype(finish)>(driver, "glFinish"))
    {
    }

    bool complete() const
    {
        return viewport && scissor && enable && disable && matrixMode && loadIdentity && color3ub && begin &&
               vertex2f && end && finish;
    }
};

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

GLPainter::Result_e GLPainter::fill(Colour colour, int x, int y, int width, int height)
{
    const auto getString = resolve<const unsigned char* (*)(unsigned)>(m_driver, "glGetString");
    const auto getIntegerv = resolve<void (*)(unsigned, int*)>(m_driver, "glGetIntegerv");
    const auto getError = resolve<unsigned (*)()>(m_driver, "glGetError");
    const unsigned char* const versionText = getString != nullptr ? getString(Version) : nullptr;
    if (versionText == nullptr || getIntegerv == nullptr || getError == nullptr)
        return Result_NoOpenGL;
    const std::string version = reinterpret_cast<const char*>(versionText);
    const std::string context = "an OpenGL context of GL_VERSION \"" + version + "\"";
    if (version.compare(0, 9, "OpenGL ES") == 0)
        return refuse(context + ", an OpenGL ES context");
    int major = 0, minor = 0;
    std::sscanf(version.c_str(), "%d.%d", &major, &minor);
    int profile = 0;
    if (major > 3 || (major == 3 && minor >= 2))
        getIntegerv(ContextProfileMask, &profile);
    if ((profile & ContextCoreProfileBit) != 0)
        return refuse(context + ", a core profile context");
    const LegacyCalls gl(m_driver);
    if (!gl.complete())
        return refuse(context + " whose driver resolves no glBegin, glColor3ub or glVertex2f");
    // Errors left by the host are not the painter's.
    for (int pending = 0; pending < 16 && getError() != 0; ++pending)
        continue;
    gl.viewport(x, y, width, height);
    gl.enable(ScissorTest);
    gl.scissor(x, y, width, height);
    for (const unsigned capability : {DepthTest, Blend, Texture2D})
        gl.disable(capability);
    for (const unsigned matrix : {Projection, ModelView})
    {
        gl.matrixMode(matrix);
        gl.loadIdentity();
    }
    gl.color3ub(colour.red, colour.green, colour.blue);
    gl.begin(Quads);
    gl.vertex2f(-1.0f, -1.0f);
    gl.vertex2f(1.0f, -1.0f);
    gl.vertex2f(1.0f, 1.0f);
    gl.vertex2f(-1.0f, 1.0f);
    gl.end();
    gl.disable(ScissorTest);
    gl.finish();
    const unsigned error = getError();
    if (error != 0)
    {
        char code[16];
        std::snprintf(code, sizeof code, "0x%04X", error);
        return refuse(context + " that answered the immediate mode calls with OpenGL error " + code);
    }
    return Result_Painted;
}

GLPainter::Result_e GLPainter::refuse(const std::string& context)
{
    m_refusedContext = context;
    return Result_NotLegacy;
}

std::string GLPainter::legacyFailure(const std::string& hostClass) const
{
    return contractText(
        hostClass,
        "a context that runs the engine's drawing, OpenGL 1.x immediate mode (glBegin, glColor, glVertex); "
        "makeCurrent() made current " + m_refusedContext +
            ", where those calls draw nothing: every plot would stay blank, and the engine reports nothing",
        "make the context a compatibility profile one, or a legacy context (no profile: OpenGL 2.1 or older): with "
        "GLFW leave GLFW_OPENGL_PROFILE at GLFW_OPENGL_ANY_PROFILE or ask for GLFW_OPENGL_COMPAT_PROFILE; with Qt "
        "ask for QSurfaceFormat::CompatibilityProfile; with EGL bind EGL_OPENGL_API and ask for "
        "EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT; where the toolkit makes the context itself, ask it for a "
        "legacy or compatibility context, and refuse to start with a clear error where it gives none");
}

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
