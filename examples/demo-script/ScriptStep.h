// One step of a demo's scripted session (the Qt demo's too): once `ready`
// holds, `action` runs from a timer of the toolkit's loop; it may start a
// long operation and return only when it ends. `waitingFor` says what the
// step waits for, for the report of a session that gave up.
#ifndef DEMO_SCRIPT_SCRIPTSTEP_H
#define DEMO_SCRIPT_SCRIPTSTEP_H

#include <functional>
#include <string>

struct ScriptStep
{
    typedef std::function<bool()> Condition;
    typedef std::function<void()> Action;

    std::string waitingFor;
    Condition ready;
    Action action;
};

#endif // DEMO_SCRIPT_SCRIPTSTEP_H
