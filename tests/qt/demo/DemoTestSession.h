// One engine session of the demo's own for the tests of the demo's parts,
// as the demo starts it, with its account written to a string.
#ifndef TESTS_QT_DEMO_DEMOTESTSESSION_H
#define TESTS_QT_DEMO_DEMOTESTSESSION_H

#include "BoundaryAccount.h"
#include "DemoSession.h"

#include <sstream>

namespace qtdemotest {

// Made by the test program's environment before the first test.
class DemoTestSession
{
public:
    DemoTestSession();
    static DemoTestSession& instance();

    std::ostringstream accountText;
    BoundaryAccount account;
    DemoSession session;
};

// The event loop runs and waits a few times: Qt events, idle actions and the
// application's idle time.
void settle();

} // namespace qtdemotest

#endif // TESTS_QT_DEMO_DEMOTESTSESSION_H
