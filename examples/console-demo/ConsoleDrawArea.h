// A drawing area of the console host: no window, but it says what the
// library asks of it (its OpenGL context's make-current, release and swap).
#ifndef CONSOLE_DEMO_CONSOLEDRAWAREA_H
#define CONSOLE_DEMO_CONSOLEDRAWAREA_H

#include "BoundaryLog.h"

#include "integration/GLContextInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/intern/GLDrawAreaStateObservable.h"
#include "integration/intern/MouseAndKeyListenerSets.h"

#include <string>

class ConsoleDrawArea : public virtual orvane::sdk::integration::GLDrawAreaInterface,
                        public orvane::sdk::integration::intern::MouseAndKeyListenerSets
{
public:
    ConsoleDrawArea(BoundaryLog& log, std::string name, int width, int height);

    const std::string& name() const { return m_name; }

    // The window system, played by the demo.
    void expose(bool fullDamage);
    void destroyWindow();
    void gainFocus();
    // A new size, then an expose with full damage.
    void resize(int width, int height);
    // The user's input in the window: listeners first, then the signal.
    void userPresses(orvane::sdk::integration::MouseEventInterface::MouseButton_e button, int x, int y);
    void userMoves(int x, int y);
    void userReleases(orvane::sdk::integration::MouseEventInterface::MouseButton_e button, int x, int y);
    void userTypes(int key);
    void userPressesKey(int key);
    void userReleasesKey(int key);
    // A vertical wheel rotation: signalWheelRotated.
    void userTurnsWheel(int x, int y, int delta);

    bool canRender() override;
    void getSize(int& width, int& height) override;
    orvane::sdk::integration::GLContextInterface& getGLContext() override;
    bool isValid() override;
    void addStateListener(orvane::sdk::integration::GLDrawAreaListenerInterface* listener) override;
    void removeStateListener(orvane::sdk::integration::GLDrawAreaListenerInterface* listener) override;
    void setPageManager(orvane::sdk::integration::PageManagerInterface& manager) override;

private:
    class Context : public orvane::sdk::integration::GLContextInterface
    {
    public:
        explicit Context(ConsoleDrawArea& owner) : m_owner(owner) {}
        void swapBuffers() override;
        bool makeCurrent() override;
        bool releaseCurrent() override;

    private:
        ConsoleDrawArea& m_owner;
    };

    void say(const std::string& what) const;

    BoundaryLog& m_log;
    std::string m_name;
    int m_width;
    int m_height;
    bool m_valid;
    Context m_context;
    orvane::sdk::integration::intern::GLDrawAreaStateObservable m_stateObservable;
};

#endif // CONSOLE_DEMO_CONSOLEDRAWAREA_H
