#include "AccountedPlotRepairer.h"

#include "BoundaryAccount.h"

#include "integration/PageInterface.h"

#include <string>

AccountedPlotRepairer::AccountedPlotRepairer(BoundaryAccount& account) : m_account(account), m_framesKeptOff(0) {}

bool AccountedPlotRepairer::shouldOpenGLBuffersBeSwapped(orvane::sdk::integration::PageInterface& page) const
{
    const bool swap = InterruptedPlotRepairer::shouldOpenGLBuffersBeSwapped(page);
    const std::string frame = describePage(page);
    if (swap)
        m_account.toHost("frame drawn and shown", frame);
    else
    {
        ++m_framesKeptOff;
        m_account.toHost("frame interrupted", frame + ": not shown, redrawn at idle time");
    }
    return swap;
}

int AccountedPlotRepairer::framesKeptOff() const { return m_framesKeptOff; }
