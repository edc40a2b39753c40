#ifndef ORVANE_TESTS_MODEL_MODELENGINE_H
#define ORVANE_TESTS_MODEL_MODELENGINE_H

#include "ovsdkbase.h"

#include <functional>
#include <string>
#include <vector>

// A model of the engine behind its C interface, defined in the test program
// so that the library's engine calls land here (the program exports its
// symbols). It keeps its own pages and current page, calls the library back
// as an engine does (new current page and state change 50 from inside
// creation and switches, destroy callbacks, render callbacks, the busy
// callback inside long operations) and checks what the library asks of it.
namespace model {

struct Page
{
    ArbParam_t handle; // the library's client handle
    UniqueID_t id;
};

struct Engine
{
    std::vector<Page> pages; // creation order
    UniqueID_t current = 0;  // 0: none
    int busyDepth = 0;
    bool interrupted = false;
    int appLockDepth = 0;
    int parentLockDepth = 0;
    bool refuseNextPage = false;
    // An engine that never reports its current page with state change 50
    // (so pages never learn their unique id), and one that refuses every
    // other switch the host asks for.
    bool reportsCurrentPage = true;
    bool refusesSwitches = false;
    int switchesAsked = 0; // OrvUtilPageSetCurrentByUniqueID calls
    // Called before each busy-loop step, and when work-area input arrives:
    // the test decides there what the engine does.
    std::function<void()> onBusyStep;
    std::function<void(const char* what)> onMisuse;
    std::vector<std::string> misuses;
};

Engine& engine();
// Forgets pages and flags (back to an engine that reports and switches);
// registrations stay.
void reset();

const Page* currentPage();
const Page* findPage(UniqueID_t id);
const Page* findHandle(ArbParam_t handle);

// The engine acting on its own.
bool requestPage();             // asks the library for a page, as a layout load does
bool deletePage(UniqueID_t id); // deletes a page the engine chose
bool makeCurrent(UniqueID_t id);
bool renderCurrentPage();
// An export through the host's offscreen image service: the image is made,
// read row by row and destroyed; false when any step failed.
bool exportImage(int width, int height);
// A long operation of `steps` busy-loop steps; false when interrupted.
bool runBusyOperation(int steps);
// A style change naming the current page, as a rename from a macro does.
void changeCurrentPageName(const std::string& name);

} // namespace model

#endif // ORVANE_TESTS_MODEL_MODELENGINE_H
