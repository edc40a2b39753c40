// The GTK demo of the integration manager: two GTK 4 windows on the GTK
// host kit, with the simulated engine drawing their pages with OpenGL; the
// usage is the demos' (DemoMain.h), its pictures go to demo-out/gtk.
#include "DemoMain.h"
#include "DemoSession.h"

#include "ovsdkgtkhost/GtkLegacyGL.h"

#include "ovexception/ExceptionBase.h"

#include <gtk/gtk.h>

int main(int argc, char** argv)
{
    return runDemo(argc, argv, "gtk-demo", "gtk", [](BoundaryAccount& account) {
        // Before GTK starts: the engine draws with OpenGL 1.x.
        orvane::sdk::gtkhost::GtkLegacyGL::requestBeforeGtkInit();
        if (!gtk_init_check())
            throw orvane::ExceptionBase("GTK could not be initialised (no display)");
        return std::unique_ptr<DemoSessionBase>(new DemoSession(account));
    });
}
