// Makes a console drawing area for each page the engine asks for.
#ifndef CONSOLE_DEMO_CONSOLEDRAWAREAFACTORY_H
#define CONSOLE_DEMO_CONSOLEDRAWAREAFACTORY_H

#include "ConsoleDrawArea.h"

#include "integration/GLDrawAreaFactoryInterface.h"

#include <memory>
#include <vector>

class ConsoleDrawAreaFactory : public orvane::sdk::integration::GLDrawAreaFactoryInterface
{
public:
    explicit ConsoleDrawAreaFactory(BoundaryLog& log) : m_log(log) {}

    orvane::sdk::integration::GLDrawAreaInterface* createGLDrawArea(orvane::toolbox::StringList& arguments) override;
    // The native windows of every drawing area made here are destroyed.
    void closeWindows();

private:
    BoundaryLog& m_log;
    // The host keeps the windows it made.
    std::vector<std::unique_ptr<ConsoleDrawArea>> m_drawAreas;
};

#endif // CONSOLE_DEMO_CONSOLEDRAWAREAFACTORY_H
