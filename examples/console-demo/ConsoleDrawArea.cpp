#include "ConsoleDrawArea.h"

using namespace orvane::sdk::integration;

ConsoleDrawArea::ConsoleDrawArea(BoundaryLog& log, std::string name, int width, int height)
    : m_log(log),
      m_name(std::move(name)),
      m_width(width),
      m_height(height),
      m_valid(true),
      m_context(*this),
      m_stateObservable(*this)
{
}

void ConsoleDrawArea::expose(bool fullDamage)
{
    m_stateObservable.notifyOfExposed(fullDamage);
    signalDrawAreaExposed(fullDamage);
}

void ConsoleDrawArea::destroyWindow()
{
    m_stateObservable.notifyOfDestroyed();
    signalDrawAreaDestroyed();
    m_valid = false;
}

bool ConsoleDrawArea::canRender() { return m_valid; }

void ConsoleDrawArea::getSize(int& width, int& height)
{
    width = m_width;
    height = m_height;
}

GLContextInterface& ConsoleDrawArea::getGLContext() { return m_context; }

bool ConsoleDrawArea::isValid() { return m_valid; }

void ConsoleDrawArea::addStateListener(GLDrawAreaListenerInterface* listener)
{
    m_stateObservable.addStateListener(listener);
}

void ConsoleDrawArea::removeStateListener(GLDrawAreaListenerInterface* listener)
{
    m_stateObservable.removeStateListener(listener);
}

void ConsoleDrawArea::setPageManager(PageManagerInterface&) { say("setPageManager() (a page is about to be made)"); }

void ConsoleDrawArea::addMouseListener(MouseEventListenerInterface* listener)
{
    m_mouseObservable.addMouseListener(listener);
}

void ConsoleDrawArea::removeMouseListener(MouseEventListenerInterface* listener)
{
    m_mouseObservable.removeMouseListener(listener);
}

void ConsoleDrawArea::addKeyboardListener(KeyEventListenerInterface* listener)
{
    m_keyObservable.addKeyboardListener(listener);
}

void ConsoleDrawArea::removeKeyboardListener(KeyEventListenerInterface* listener)
{
    m_keyObservable.removeKeyboardListener(listener);
}

void ConsoleDrawArea::say(const std::string& what) const { m_log.library(m_name + ": " + what); }

void ConsoleDrawArea::Context::swapBuffers() { m_owner.say("swapBuffers() - the picture is shown"); }

bool ConsoleDrawArea::Context::makeCurrent()
{
    m_owner.say("makeCurrent()");
    return true;
}

bool ConsoleDrawArea::Context::releaseCurrent()
{
    m_owner.say("releaseCurrent()");
    return true;
}
