// The library's interrupted-plot repairer, telling the account its answer
// to each swap request of the engine.
#ifndef QT_DEMO_ACCOUNTEDPLOTREPAIRER_H
#define QT_DEMO_ACCOUNTEDPLOTREPAIRER_H

#include "integration/InterruptedPlotRepairer.h"

class BoundaryAccount;

class AccountedPlotRepairer : public orvane::sdk::integration::InterruptedPlotRepairer
{
public:
    explicit AccountedPlotRepairer(BoundaryAccount& account);

    bool shouldOpenGLBuffersBeSwapped(orvane::sdk::integration::PageInterface& page) const override;

private:
    BoundaryAccount& m_account;
};

#endif // QT_DEMO_ACCOUNTEDPLOTREPAIRER_H
