// Listeners that tell the account what the library announces to the host:
// page changes, and the input that crosses into the engine.
#ifndef QT_DEMO_BOUNDARYLISTENERS_H
#define QT_DEMO_BOUNDARYLISTENERS_H

#include "integration/KeyEventListenerInterface.h"
#include "integration/MouseEventListenerInterface.h"
#include "integration/PageManagerListenerInterface.h"

class BoundaryAccount;

// The page manager's announcements.
class PageAccount : public orvane::sdk::integration::PageManagerListenerInterface
{
public:
    explicit PageAccount(BoundaryAccount& account);

    void pageCreated(orvane::sdk::integration::PageInterface& page,
                     orvane::sdk::integration::PageManagerInterface& manager) override;
    void pageDestroyed(orvane::sdk::integration::PageInterface& page,
                       orvane::sdk::integration::PageManagerInterface& manager) override;
    void currentPageChanged(orvane::sdk::integration::PageInterface& page,
                            orvane::sdk::integration::PageManagerInterface& manager) override;

private:
    BoundaryAccount& m_account;
};

// Input as the library reports it: registered with the event manager it
// hears the drawing-area input handed to the engine's work area; registered
// with the application event monitor, the keys pressed anywhere.
class InputAccount : public orvane::sdk::integration::MouseEventListenerInterface,
                     public orvane::sdk::integration::KeyEventListenerInterface
{
public:
    explicit InputAccount(BoundaryAccount& account);

    void mouseMoved(orvane::sdk::integration::MouseEventInterface& event,
                    orvane::sdk::integration::MouseEventObservableInterface& source) override;
    void buttonPressed(orvane::sdk::integration::MouseEventInterface& event,
                       orvane::sdk::integration::MouseEventObservableInterface& source) override;
    void buttonDoublePressed(orvane::sdk::integration::MouseEventInterface& event,
                             orvane::sdk::integration::MouseEventObservableInterface& source) override;
    void buttonReleased(orvane::sdk::integration::MouseEventInterface& event,
                        orvane::sdk::integration::MouseEventObservableInterface& source) override;
    void keyPressed(orvane::sdk::integration::KeyEventInterface& event,
                    orvane::sdk::integration::KeyEventObservableInterface& source) override;
    void keyReleased(orvane::sdk::integration::KeyEventInterface& event,
                     orvane::sdk::integration::KeyEventObservableInterface& source) override;

    // Key presses heard from this observable are application-wide ones.
    void setApplicationWide(const orvane::sdk::integration::KeyEventObservableInterface& monitor);

private:
    void mouse(const char* what, orvane::sdk::integration::MouseEventInterface& event);

    BoundaryAccount& m_account;
    const orvane::sdk::integration::KeyEventObservableInterface* m_applicationWide;
};

#endif // QT_DEMO_BOUNDARYLISTENERS_H
