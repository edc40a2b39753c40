#ifndef ORVANE_TESTS_SUPPORT_RESETTABLESERVICE_H
#define ORVANE_TESTS_SUPPORT_RESETTABLESERVICE_H

namespace orvane {
namespace test {

// A service class registers its engine callbacks once per process, while
// tests reset the simulated engine between cases (which forgets them). Fakes
// derive from ResettableService<XServiceAbstract> so that a test can make the
// class register again at its next makeCurrent(), as in a fresh process.
template <typename ServiceAbstract>
class ResettableService : public ServiceAbstract
{
public:
    static void forgetRegistration() { ServiceAbstract::m_callbacksRegistered = false; }
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_RESETTABLESERVICE_H
