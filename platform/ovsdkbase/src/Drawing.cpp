// The engine's plot drawing: OpenGL 1.x immediate mode, resolved at drawing
// time through the host's getProcAddress, into the context the host made
// current for the destination.
#include "EngineSteps.h"

#include <cctype>
#include <cmath>
#include <cstring>

#if defined(_WIN32)
#  define ORV_GLAPI __stdcall
#else
#  define ORV_GLAPI
#endif

namespace orvane {
namespace sim {
namespace {

// The few OpenGL 1.x constants the drawing needs (values of the GL API).
const unsigned int GL_LINES = 0x0001;
const unsigned int GL_LINE_STRIP = 0x0003;
const unsigned int GL_COLOR_BUFFER_BIT = 0x4000;
const unsigned int GL_MODELVIEW = 0x1700;
const unsigned int GL_PROJECTION = 0x1701;
const unsigned int GL_DEPTH_TEST = 0x0B71;

const double Pi = 3.14159265358979323846;

const PlotColour Backgrounds[] = {{250, 240, 220}, {220, 235, 250}, {225, 250, 225}, {245, 225, 245}};
const PlotColour Curves[] = {{200, 30, 30}, {30, 60, 200}, {20, 140, 40}, {150, 40, 160}};

PlotColour byPage(const PlotColour (&palette)[4], UniqueID_t pageId)
{
    const long long index = (pageId > 0 ? pageId - 1 : 0) % 4;
    return palette[index];
}

// The OpenGL entry points of one drawing.
struct GL
{
    void(ORV_GLAPI* viewport)(int, int, int, int);
    void(ORV_GLAPI* clearColor)(float, float, float, float);
    void(ORV_GLAPI* clear)(unsigned int);
    void(ORV_GLAPI* disable)(unsigned int);
    void(ORV_GLAPI* matrixMode)(unsigned int);
    void(ORV_GLAPI* loadIdentity)();
    void(ORV_GLAPI* ortho)(double, double, double, double, double, double);
    void(ORV_GLAPI* pushMatrix)();
    void(ORV_GLAPI* popMatrix)();
    void(ORV_GLAPI* translated)(double, double, double);
    void(ORV_GLAPI* scaled)(double, double, double);
    void(ORV_GLAPI* color3ub)(unsigned char, unsigned char, unsigned char);
    void(ORV_GLAPI* lineWidth)(float);
    void(ORV_GLAPI* begin)(unsigned int);
    void(ORV_GLAPI* vertex2d)(double, double);
    void(ORV_GLAPI* end)();
    void(ORV_GLAPI* flush)();

    void colour(const PlotColour& c) const { color3ub(c.red, c.green, c.blue); }
};

template <typename F>
bool resolve(GetProcAddress_pf getProcAddress, const char* name, F& function)
{
    void* address = getProcAddress(name);
    if (address == nullptr)
    {
        detail::recordMisuse(std::string("OpenGL drawing: no ") + name);
        return false;
    }
    std::memcpy(&function, &address, sizeof function);
    return true;
}

bool resolveAll(GetProcAddress_pf getProcAddress, GL& gl)
{
    return resolve(getProcAddress, "glViewport", gl.viewport) &&
           resolve(getProcAddress, "glClearColor", gl.clearColor) &&
           resolve(getProcAddress, "glClear", gl.clear) && resolve(getProcAddress, "glDisable", gl.disable) &&
           resolve(getProcAddress, "glMatrixMode", gl.matrixMode) &&
           resolve(getProcAddress, "glLoadIdentity", gl.loadIdentity) &&
           resolve(getProcAddress, "glOrtho", gl.ortho) && resolve(getProcAddress, "glPushMatrix", gl.pushMatrix) &&
           resolve(getProcAddress, "glPopMatrix", gl.popMatrix) &&
           resolve(getProcAddress, "glTranslated", gl.translated) &&
           resolve(getProcAddress, "glScaled", gl.scaled) && resolve(getProcAddress, "glColor3ub", gl.color3ub) &&
           resolve(getProcAddress, "glLineWidth", gl.lineWidth) && resolve(getProcAddress, "glBegin", gl.begin) &&
           resolve(getProcAddress, "glVertex2d", gl.vertex2d) && resolve(getProcAddress, "glEnd", gl.end) &&
           resolve(getProcAddress, "glFlush", gl.flush);
}

// A stroke font on a 4 x 6 grid (y down): each glyph is a list of strokes
// separated by spaces, each stroke a polyline of points written as two
// digits "xy".
const char* glyph(char c)
{
    static const char* const letters[26] = {
        "0602204246 0343",                          // A
        "06003041423303 3344453606",                // B
        "4130100105163645",                         // C
        "06003041453606",                           // D
        "40000646 0333",                            // E
        "400006 0333",                              // F
        "41301001051636454323",                     // G
        "0006 4046 0343",                           // H
        "1030 2026 1636",                           // I
        "2040 4045361605",                          // J
        "0006 4003 1346",                           // K
        "000646",                                   // L
        "0600234046",                               // M
        "06004640",                                 // N
        "103041453616050110",                       // O
        "06003041423303",                           // P
        "103041453616050110 2446",                  // Q
        "06003041423303 2346",                      // R
        "413010010213334445361605",                 // S
        "0040 2026",                                // T
        "000516364540",                             // U
        "002640",                                   // V
        "0016233640",                               // W
        "0046 4006",                                // X
        "0023 4023 2326",                           // Y
        "00400646",                                 // Z
    };
    static const char* const digits[10] = {
        "103041453616050110 4105",                  // 0
        "112026 1636",                              // 1
        "01103041420646",                           // 2
        "01103041423313 334445361605",              // 3
        "36300444",                                 // 4
        "400003334445361605",                       // 5
        "30100105163645443303",                     // 6
        "004016",                                   // 7
        "103041423313020110 1304051636454433",      // 8
        "43130201103041453616",                     // 9
    };
    const unsigned char u = static_cast<unsigned char>(c);
    if (std::isalpha(u))
        return letters[std::toupper(u) - 'A'];
    if (std::isdigit(u))
        return digits[u - '0'];
    switch (c)
    {
    case '-': return "0343";
    case '_': return "0646";
    case '.': return "2526";
    case ':': return "2122 2425";
    case '(': return "30212536";
    case ')': return "10212516";
    default: return "";
    }
}

void drawText(const GL& gl, const std::string& text, double x, double y, double unit)
{
    gl.begin(GL_LINES);
    for (char c : text)
    {
        for (const char* p = glyph(c); *p != '\0';)
        {
            if (*p == ' ')
            {
                ++p;
                continue;
            }
            // One stroke: consecutive points joined pairwise.
            while (p[0] != '\0' && p[0] != ' ' && p[2] != '\0' && p[2] != ' ')
            {
                gl.vertex2d(x + (p[0] - '0') * unit, y + (p[1] - '0') * unit);
                gl.vertex2d(x + (p[2] - '0') * unit, y + (p[3] - '0') * unit);
                p += 2;
            }
            p += 2;
        }
        x += 6 * unit;
    }
    gl.end();
}

void drawPlot(const GL& gl, const PageState& page, int width, int height)
{
    const double left = PlotMargin;
    const double right = width - PlotMargin;
    const double top = PlotMargin;
    const double bottom = height - PlotMargin;

    gl.pushMatrix();
    gl.translated(page.view.panX, page.view.panY, 0.0);
    gl.scaled(page.view.zoom, page.view.zoom, 1.0);

    gl.lineWidth(1.0f);
    gl.colour(AxisColour);
    gl.begin(GL_LINES);
    gl.vertex2d(left, bottom);
    gl.vertex2d(right, bottom);
    gl.vertex2d(left, top);
    gl.vertex2d(left, bottom);
    gl.end();

    gl.lineWidth(2.0f);
    gl.colour(curveColour(page.id));
    const double middle = (top + bottom) / 2.0;
    const double amplitude = (bottom - top) * 0.4;
    const double periods = static_cast<double>(page.id > 0 ? page.id : 1);
    const int segments = 256;
    gl.begin(GL_LINE_STRIP);
    for (int i = 0; i <= segments; ++i)
    {
        const double t = static_cast<double>(i) / segments;
        gl.vertex2d(left + t * (right - left), middle - amplitude * std::sin(2.0 * Pi * periods * t));
    }
    gl.end();
    gl.popMatrix();

    gl.lineWidth(1.0f);
    gl.colour(NameColour);
    drawText(gl, page.name, 8.0, 8.0, 2.0);
}

} // namespace

PlotColour backgroundColour(UniqueID_t pageId) { return byPage(Backgrounds, pageId); }
PlotColour curveColour(UniqueID_t pageId) { return byPage(Curves, pageId); }

void drawPageWithOpenGL(GetProcAddress_pf getProcAddress, const PageState& page, int width, int height)
{
    GL gl;
    if (!resolveAll(getProcAddress, gl))
        return;
    const PlotColour background = backgroundColour(page.id);
    gl.viewport(0, 0, width, height);
    gl.disable(GL_DEPTH_TEST);
    gl.clearColor(background.red / 255.0f, background.green / 255.0f, background.blue / 255.0f, 1.0f);
    gl.clear(GL_COLOR_BUFFER_BIT);
    gl.matrixMode(GL_PROJECTION);
    gl.loadIdentity();
    gl.ortho(0.0, width, height, 0.0, -1.0, 1.0);
    gl.matrixMode(GL_MODELVIEW);
    gl.loadIdentity();
    drawPlot(gl, page, width, height);
    gl.flush();
}

void enableOpenGLDrawing(GetProcAddress_pf getProcAddress)
{
    if (getProcAddress == nullptr)
    {
        disableOpenGLDrawing();
        return;
    }
    setPageDrawer([getProcAddress](const PageState& page, int width, int height, int) {
        drawPageWithOpenGL(getProcAddress, page, width, height);
    });
}

void disableOpenGLDrawing() { setPageDrawer(PageDrawer()); }

} // namespace sim
} // namespace orvane
