#ifndef ORVANE_INTEGRATION_SERVICES_INTERN_MAKESERVICECURRENT_H
#define ORVANE_INTEGRATION_SERVICES_INTERN_MAKESERVICECURRENT_H

namespace orvane {
namespace sdk {
namespace integration {
namespace services {
namespace intern {

// The one way a service object becomes the current object of its class. The
// class's engine callbacks are registered (through the virtual
// registerCallbacks()) the first time any object of the class becomes
// current, and stay registered for the rest of the process:
//
//   void MessageBoxServiceAbstract::makeCurrent()
//   {
//       intern::makeServiceCurrent(*this, m_currentInstance, m_callbacksRegistered);
//   }
template <typename Service, typename Current>
void makeServiceCurrent(Service& service, Current*& currentInstance, bool& callbacksRegistered)
{
    if (!callbacksRegistered)
    {
        service.registerCallbacks();
        callbacksRegistered = true;
    }
    currentInstance = &service;
}

} // namespace intern
} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_SERVICES_INTERN_MAKESERVICECURRENT_H
