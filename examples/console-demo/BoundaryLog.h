// Prints a readable account of what crosses the boundary between the host,
// the library and the simulated engine.
#ifndef CONSOLE_DEMO_BOUNDARYLOG_H
#define CONSOLE_DEMO_BOUNDARYLOG_H

#include <cstddef>
#include <string>

class BoundaryLog
{
public:
    // The start of one road through the system.
    void road(const std::string& title);
    // A step the host takes.
    void host(const std::string& text);
    // Something the library tells the host (a signal, a listener call...).
    void library(const std::string& text);
    // Something the engine does by itself (asks for a page, draws...).
    void engine(const std::string& text);
    // The engine calls made since the last flush, with the lock they ran under.
    void flushEngineCalls();

private:
    std::size_t m_printedCalls = 0;
};

#endif // CONSOLE_DEMO_BOUNDARYLOG_H
