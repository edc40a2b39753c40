#include "BoundaryLog.h"

#include "ovsdkbase/SimulatedEngine.h"

#include <iostream>

void BoundaryLog::road(const std::string& title)
{
    flushEngineCalls();
    std::cout << "\n=== " << title << " ===\n";
}

void BoundaryLog::host(const std::string& text)
{
    flushEngineCalls();
    std::cout << "\nhost    > " << text << "\n";
}

void BoundaryLog::library(const std::string& text)
{
    flushEngineCalls();
    std::cout << "  library > host: " << text << "\n";
}

void BoundaryLog::engine(const std::string& text)
{
    flushEngineCalls();
    std::cout << "\nengine  > " << text << "\n";
}

void BoundaryLog::flushEngineCalls()
{
    const std::vector<orvane::sim::EngineCall>& calls = orvane::sim::calls();
    for (; m_printedCalls < calls.size(); ++m_printedCalls)
    {
        const orvane::sim::EngineCall& call = calls[m_printedCalls];
        std::cout << "  library > engine: " << call.text();
        if (call.lockDepth > 0)
            std::cout << "   [under AppLock " << call.lockValue << "]";
        std::cout << "\n";
    }
}
