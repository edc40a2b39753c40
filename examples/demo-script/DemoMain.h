// The main() of the GLFW and GTK demos, the same for both:
//
//   DEMO                      interactive: drag, wheel and keys in the
//                             plots; 'l' starts a long operation (Escape,
//                             any key or a click stops it); closing both
//                             windows ends it
//   DEMO --script [--out DIR] a scripted session that checks what it shows
//                             and writes pictures to DIR (demo-out/TOOLKIT)
//   ... --trace FILE          also records a boundary trace into FILE
//
// Either way it prints an account of what crosses the boundary between the
// application, the library and the engine.
#ifndef DEMO_SCRIPT_DEMOMAIN_H
#define DEMO_SCRIPT_DEMOMAIN_H

#include <functional>
#include <memory>
#include <string>

class BoundaryAccount;
class DemoSessionBase;

// Runs the demo `program` (its pictures in demo-out/`outputName`) with the
// session `makeSession` makes once the trace records; the exit code.
// `makeSession` starts the toolkit too (an orvane::ExceptionBase when it
// cannot).
int runDemo(int argc, char** argv, const std::string& program, const std::string& outputName,
            const std::function<std::unique_ptr<DemoSessionBase>(BoundaryAccount&)>& makeSession);

#endif // DEMO_SCRIPT_DEMOMAIN_H
