// The demos' --trace FILE: a boundary trace written to a file for as long as
// the object lives (Perfetto opens it; ./run.sh trace-summary FILE sums it up).
#ifndef DEMO_BOUNDARY_TRACERECORDING_H
#define DEMO_BOUNDARY_TRACERECORDING_H

#include <fstream>
#include <string>

class TraceRecording
{
public:
    // Records into `path` unless it is empty or a recording runs already;
    // says on standard error when the file cannot be written.
    explicit TraceRecording(const std::string& path);
    // Ends the recording and closes the file.
    ~TraceRecording();
    TraceRecording(const TraceRecording&) = delete;
    TraceRecording& operator=(const TraceRecording&) = delete;

private:
    std::ofstream m_file;
    bool m_started;
};

#endif // DEMO_BOUNDARY_TRACERECORDING_H
