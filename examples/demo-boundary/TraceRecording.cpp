#include "TraceRecording.h"

#include "integration/Trace.h"

#include <iostream>

TraceRecording::TraceRecording(const std::string& path) : m_started(false)
{
    if (path.empty())
        return;
    m_file.open(path, std::ios::binary | std::ios::trunc);
    if (!m_file)
    {
        std::cerr << "cannot write the trace to " << path << "\n";
        return;
    }
    // The demos call the library on their GUI thread only: the stream needs
    // no lock.
    m_started = orvane::sdk::integration::Trace::start(m_file);
}

TraceRecording::~TraceRecording()
{
    if (m_started)
        orvane::sdk::integration::Trace::stop();
}
