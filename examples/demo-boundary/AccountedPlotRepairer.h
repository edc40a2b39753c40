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

    // Frames it kept off the screen so far.
    int framesKeptOff() const;

private:
    BoundaryAccount& m_account;
    mutable int m_framesKeptOff;
};

#endif // QT_DEMO_ACCOUNTEDPLOTREPAIRER_H
