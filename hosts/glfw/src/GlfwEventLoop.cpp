#include "ovsdkglfwhost/GlfwEventLoop.h"

#include "ovsdkglfwhost/GlfwGLDrawArea.h"
#include "ovsdkglfwhost/GlfwInputMapping.h"

#include "ovexception/ExceptionBase.h"
#include "util/ScopedExitAction.h"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cmath>

namespace orvane {
namespace sdk {
namespace glfwhost {

namespace {

const double DoublePressSeconds = 0.4;
const double DoublePressDistance = 4.0;

} // namespace

GlfwEventLoop::Observer::~Observer() = default;

GlfwEventLoop::GlfwEventLoop()
    : m_nextTimerId(1),
      m_focusedWindow(nullptr),
      m_lastPress{nullptr, -1, 0.0, 0.0, 0.0},
      m_modifiers(0),
      m_buttonsDown(0),
      m_polling(false),
      m_quit(false)
{
    if (glfwInit() != GLFW_TRUE)
    {
        const char* description = nullptr;
        glfwGetError(&description);
        throw ExceptionBase(std::string("GLFW could not be initialised: ") +
                            (description != nullptr ? description : "no reason given"));
    }
}

GlfwEventLoop::~GlfwEventLoop() { glfwTerminate(); }

void GlfwEventLoop::post(const GlfwWindowEvent& event) { m_queue.push_back(event); }

void GlfwEventLoop::postTask(const void* owner, std::function<void()> task)
{
    m_tasks.emplace_back(owner, std::move(task));
    glfwPostEmptyEvent();
}

void GlfwEventLoop::cancelTasks(const void* owner)
{
    for (auto& task : m_tasks)
        if (task.first == owner)
            task = std::make_pair(nullptr, std::function<void()>());
}

int GlfwEventLoop::startTimer(int intervalMilliseconds, std::function<void()> expired)
{
    const std::chrono::milliseconds interval(std::max(intervalMilliseconds, 0));
    const int id = m_nextTimerId++;
    m_timers[id] = Timer{interval, Clock::now() + interval, std::move(expired)};
    return id;
}

void GlfwEventLoop::stopTimer(int id) { m_timers.erase(id); }

void GlfwEventLoop::processEvents()
{
    if (!m_polling)
        pollWindowSystem(0.0);
    deliverQueued();
    runTasks();
    runDueTimers();
}

void GlfwEventLoop::runOnce(double longestWaitSeconds)
{
    processEvents();
    const std::vector<Observer*> observers = m_observers;
    for (Observer* observer : observers)
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
            observer->loopIdle();
    if (m_queue.empty() && m_tasks.empty() && !m_quit && !m_polling)
        pollWindowSystem(std::min(longestWaitSeconds, secondsToNextTimer()));
}

void GlfwEventLoop::run()
{
    m_quit = false;
    while (!m_quit)
        runOnce();
}

void GlfwEventLoop::quit()
{
    m_quit = true;
    glfwPostEmptyEvent();
}

bool GlfwEventLoop::isPolling() const { return m_polling; }

int GlfwEventLoop::keyboardModifiers() const { return m_modifiers; }

bool GlfwEventLoop::isButtonDown(int glfwButton) const
{
    return glfwButton >= 0 && glfwButton < 32 && (m_buttonsDown & (1u << glfwButton)) != 0;
}

double GlfwEventLoop::devicePixelRatio() const
{
    const auto focused = m_windows.find(m_focusedWindow);
    if (focused != m_windows.end())
        return focused->second->devicePixelRatio();
    return m_windows.empty() ? 1.0 : m_windows.begin()->second->devicePixelRatio();
}

void GlfwEventLoop::addObserver(Observer* observer)
{
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void GlfwEventLoop::removeObserver(Observer* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void GlfwEventLoop::addWindow(GLFWwindow* window, GlfwGLDrawArea& drawArea) { m_windows[window] = &drawArea; }

void GlfwEventLoop::removeWindow(GLFWwindow* window)
{
    m_windows.erase(window);
    if (m_focusedWindow == window)
        m_focusedWindow = nullptr;
    // A later window may get the same address: nothing of this one reaches it.
    for (GlfwWindowEvent& event : m_queue)
        if (event.window == window)
            event.window = nullptr;
    for (auto typed = m_typed.begin(); typed != m_typed.end();)
        typed = typed->first.first == window ? m_typed.erase(typed) : std::next(typed);
}

void GlfwEventLoop::pollWindowSystem(double waitSeconds)
{
    const bool wasPolling = m_polling;
    m_polling = true;
    const ScopedExitAction endOfPolling([this, wasPolling] { m_polling = wasPolling; });
    if (waitSeconds > 0.0)
        glfwWaitEventsTimeout(waitSeconds);
    else
        glfwPollEvents();
}

void GlfwEventLoop::deliverQueued()
{
    while (!m_queue.empty())
    {
        GlfwWindowEvent event = m_queue.front();
        m_queue.pop_front();
        const bool typing = event.kind == GlfwWindowEvent::Key && event.action != GLFW_RELEASE;
        if (typing && !m_queue.empty() && m_queue.front().kind == GlfwWindowEvent::Character &&
            m_queue.front().window == event.window)
        {
            event.character = m_queue.front().character;
            m_queue.pop_front();
        }
        deliver(event);
    }
}

void GlfwEventLoop::deliver(GlfwWindowEvent& event)
{
    if (m_windows.find(event.window) == m_windows.end())
        return;
    if (event.kind == GlfwWindowEvent::Focus && event.focused)
        m_focusedWindow = event.window;
    if (event.isInput())
    {
        prepareInput(event);
        const std::vector<Observer*> observers = m_observers;
        for (Observer* observer : observers)
        {
            const auto window = m_windows.find(event.window);
            if (window != m_windows.end() &&
                std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
                observer->inputArriving(event, *window->second);
        }
    }
    const auto window = m_windows.find(event.window);
    if (window != m_windows.end())
        window->second->deliver(event);
}

void GlfwEventLoop::prepareInput(GlfwWindowEvent& event)
{
    m_modifiers = toLibraryModifiers(event.mods);
    if (event.kind == GlfwWindowEvent::Key)
    {
        const std::pair<GLFWwindow*, int> key(event.window, event.key);
        if (event.action == GLFW_RELEASE)
        {
            const auto typed = m_typed.find(key);
            if (typed != m_typed.end())
            {
                event.character = typed->second;
                m_typed.erase(typed);
            }
        }
        else if (event.character != 0)
            m_typed[key] = event.character;
        return;
    }
    if (event.kind != GlfwWindowEvent::MouseButton || event.button < 0 || event.button >= 32)
        return;
    const unsigned bit = 1u << event.button;
    if (event.action == GLFW_RELEASE)
    {
        m_buttonsDown &= ~bit;
        return;
    }
    m_buttonsDown |= bit;
    const double now = glfwGetTime();
    const bool again = m_lastPress.window == event.window && m_lastPress.button == event.button &&
                       now - m_lastPress.time < DoublePressSeconds &&
                       std::hypot(event.x - m_lastPress.x, event.y - m_lastPress.y) <= DoublePressDistance;
    m_lastPress = again ? Press{nullptr, -1, 0.0, 0.0, 0.0} : Press{event.window, event.button, event.x, event.y, now};
    if (again)
        event.action = DoublePress;
}

void GlfwEventLoop::runTasks()
{
    for (std::size_t waiting = m_tasks.size(); waiting > 0 && !m_tasks.empty(); --waiting)
    {
        const std::function<void()> task = std::move(m_tasks.front().second);
        m_tasks.pop_front();
        if (task)
            task();
    }
}

void GlfwEventLoop::runDueTimers()
{
    const Clock::time_point now = Clock::now();
    std::vector<int> due;
    for (const auto& timer : m_timers)
        if (timer.second.due <= now)
            due.push_back(timer.first);
    for (const int id : due)
    {
        const auto timer = m_timers.find(id);
        if (timer == m_timers.end())
            continue;
        timer->second.due = now + timer->second.interval;
        const std::function<void()> expired = timer->second.expired;
        expired();
    }
}

double GlfwEventLoop::secondsToNextTimer() const
{
    double seconds = 1.0e9;
    const Clock::time_point now = Clock::now();
    for (const auto& timer : m_timers)
        seconds = std::min(seconds, std::chrono::duration<double>(timer.second.due - now).count());
    return std::max(seconds, 0.0);
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
