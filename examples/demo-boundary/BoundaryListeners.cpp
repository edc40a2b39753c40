#include "BoundaryListeners.h"

#include "BoundaryAccount.h"

#include "integration/KeyEventInterface.h"
#include "integration/MouseEventInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"

#include <string>

using namespace orvane::sdk::integration;

namespace {

std::string describeKey(int key)
{
    if (key == 27)
        return "Escape";
    if (key > 32 && key < 127)
        return std::string("'") + static_cast<char>(key) + "'";
    return "key " + std::to_string(key);
}

std::string modifiers(const EventInterface& event)
{
    return std::string(event.isShiftDown() ? " +Shift" : "") + (event.isControlDown() ? " +Control" : "") +
           (event.isAltDown() ? " +Alt" : "");
}

} // namespace

PageAccount::PageAccount(BoundaryAccount& account) : m_account(account) {}

void PageAccount::pageCreated(PageInterface& page, PageManagerInterface& manager)
{
    m_account.toHost("pageCreated", describePage(page) + ", " + std::to_string(manager.pageCount()) + " page(s)");
}

void PageAccount::pageDestroyed(PageInterface& page, PageManagerInterface&)
{
    m_account.toHost("pageDestroyed", describePage(page));
}

void PageAccount::currentPageChanged(PageInterface&, PageManagerInterface& manager)
{
    PageInterface* current = manager.getCurrentPage();
    m_account.toHost("currentPageChanged", current != nullptr ? describePage(*current) : "no page");
}

InputAccount::InputAccount(BoundaryAccount& account) : m_account(account), m_applicationWide(nullptr) {}

void InputAccount::setApplicationWide(const KeyEventObservableInterface& monitor) { m_applicationWide = &monitor; }

void InputAccount::mouse(const char* what, MouseEventInterface& event)
{
    std::string text = "at (" + std::to_string(event.x()) + ", " + std::to_string(event.y()) + ")" + modifiers(event);
    if (event.button() != MouseEventInterface::MouseButton_None)
        text = "button " + std::to_string(event.button()) + " " + text;
    m_account.toHost(std::string("work area ") + what, text);
}

void InputAccount::mouseMoved(MouseEventInterface& event, MouseEventObservableInterface&) { mouse("move", event); }

void InputAccount::buttonPressed(MouseEventInterface& event, MouseEventObservableInterface&) { mouse("press", event); }

void InputAccount::buttonDoublePressed(MouseEventInterface& event, MouseEventObservableInterface&)
{
    mouse("double press", event);
}

void InputAccount::buttonReleased(MouseEventInterface& event, MouseEventObservableInterface&)
{
    mouse("release", event);
}

void InputAccount::keyPressed(KeyEventInterface& event, KeyEventObservableInterface& source)
{
    m_account.toHost(&source == m_applicationWide ? "key pressed in the application" : "work area key",
                     describeKey(event.key()) + modifiers(event));
}

void InputAccount::keyReleased(KeyEventInterface&, KeyEventObservableInterface&) {}
