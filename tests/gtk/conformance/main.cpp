// The GTK kit checked by the host conformance suite, on real GTK windows
// with OpenGL (the pixel ratio is GTK's scale factor: GDK_SCALE).
#include "GtkConformanceHost.h"

#include "ovsdkgtkhost/GtkIdleScheduler.h"
#include "ovsdkgtkhost/GtkLegacyGL.h"
#include "ovsdkhostconformance/HostConformance.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

int main(int argc, char** argv)
{
    orvane::sdk::gtkhost::GtkLegacyGL::requestBeforeGtkInit();
    gtk_init();
    ::testing::InitGoogleTest(&argc, argv);
    orvane::sdk::gtkhost::GtkIdleScheduler idleScheduler;
    GtkConformanceFactory factory;
    orvane::sdk::hostconformance::HostConformance::registerTests(factory);
    return RUN_ALL_TESTS();
}
