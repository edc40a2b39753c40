// A readable account of what crosses the boundary between the user, the
// host (this application), the library and the simulated engine.
//
// Each step of the user, the host or the engine is followed by what it
// caused: the engine calls the library made, one line per engine function
// with its first call and a count, and what the library told or asked the
// host, one line per kind with its last text and a count (a drag is one
// line, not one per mouse move). The engine's call log is cleared as it is
// written, so that it does not grow with every idle time of a long session.
#ifndef QT_DEMO_BOUNDARYACCOUNT_H
#define QT_DEMO_BOUNDARYACCOUNT_H

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace orvane {
namespace sdk {
namespace integration {
class PageInterface;
} // namespace integration
} // namespace sdk
} // namespace orvane

// A page as the account names it: its engine id, and its name when known.
std::string describePage(orvane::sdk::integration::PageInterface& page);

class BoundaryAccount
{
public:
    explicit BoundaryAccount(std::ostream& out);

    // The start of one part of the session.
    void road(const std::string& title);
    // Something the user does.
    void user(const std::string& text);
    // A step the host takes.
    void host(const std::string& text);
    // Something the engine does by itself.
    void engine(const std::string& text);
    // Something the library tells or asks the host: a signal, a listener
    // call, a service request; `text` may be empty.
    void toHost(const std::string& kind, const std::string& text = std::string());
    // Writes what the last step caused.
    void flush();

private:
    struct Told
    {
        std::string kind;
        std::string text;
        std::size_t count;
    };

    void step(const char* who, const std::string& text);
    void writeEngineCalls();
    void writeTold();

    std::ostream& m_out;
    std::vector<Told> m_told; // since the last step, in order of first telling
};

#endif // QT_DEMO_BOUNDARYACCOUNT_H
