#include "ConsoleDrawAreaFactory.h"

#include "ovtoolbox/StringList.h"

orvane::sdk::integration::GLDrawAreaInterface* ConsoleDrawAreaFactory::createGLDrawArea(
    orvane::toolbox::StringList& arguments)
{
    std::string list;
    for (const std::string& argument : arguments.toVector())
        list += (list.empty() ? "" : " ") + argument;
    const std::string name = "Window " + std::string(1, static_cast<char>('X' + m_drawAreas.size() % 3));
    m_log.library("createGLDrawArea(" + list + ") - the host opens " + name);
    m_drawAreas.emplace_back(new ConsoleDrawArea(m_log, name, 1024, 768));
    return m_drawAreas.back().get();
}

void ConsoleDrawAreaFactory::closeWindows()
{
    for (const std::unique_ptr<ConsoleDrawArea>& drawArea : m_drawAreas)
        drawArea->destroyWindow();
}
