#ifndef ORVANE_TESTS_MODEL_AGREEMENT_H
#define ORVANE_TESTS_MODEL_AGREEMENT_H

#include <string>
#include <vector>

namespace orvane {
namespace sdk {
namespace integration {
class PageInterface;
class PageManagerInterface;
} // namespace integration
} // namespace sdk
} // namespace orvane

namespace model {

// What the library's pages and the model engine's disagree on, or an empty
// text: the count, the walks both ways, every page the library manages
// being one of the engine's (by client handle), and the current page. The
// pages the library manages, walked forwards, are left in `managed`: a
// caller checking after every step reuses its buffer.
std::string disagreement(orvane::sdk::integration::PageManagerInterface& pages,
                         std::vector<orvane::sdk::integration::PageInterface*>& managed);

} // namespace model

#endif // ORVANE_TESTS_MODEL_AGREEMENT_H
