// The page factory of a kit that makes a window per page the engine asks
// for and hands it to the application's placement (GLFW, GTK), the same way.
#ifndef ORVANE_HOSTS_COMMON_PLACEDDRAWAREA_H
#define ORVANE_HOSTS_COMMON_PLACEDDRAWAREA_H

#include "ovexception/ExceptionBase.h"
#include "ovtoolbox/StringList.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane {
namespace sdk {
namespace hostcommon {

// The drawing area `make(title)` makes for the engine's page (titled by the
// first of `arguments`, else "Page"), handed to `placement` with the
// arguments, which owns it from then on; null without a placement or when
// the area cannot be made (orvane::ExceptionBase: the engine hears of no
// page then).
template <typename Area, typename Make>
Area* makePlacedDrawArea(toolbox::StringList& arguments,
                         const std::function<void(Area*, const std::vector<std::string>&)>& placement, Make make)
{
    if (!placement)
        return nullptr;
    const std::vector<std::string> texts = arguments.toVector();
    Area* made = nullptr;
    try
    {
        made = make(texts.empty() ? std::string("Page") : texts.front());
    }
    catch (const ExceptionBase&)
    {
        return nullptr;
    }
    placement(made, texts);
    return made;
}

} // namespace hostcommon
} // namespace sdk
} // namespace orvane

#endif // ORVANE_HOSTS_COMMON_PLACEDDRAWAREA_H
