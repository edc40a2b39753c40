// A program on the installed Qt host kit: the library's idle actions run
// from the Qt event loop through the kit's scheduler.
#include "ovsdkqthost/QtIdleScheduler.h"

#include <QCoreApplication>
#include <iostream>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    orvane::sdk::qthost::QtIdleScheduler scheduler;
    bool ran = false;
    const orvane::sdk::ui::common::OnIdleActionPerformerSingleShot action([&] {
        ran = true;
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    std::cout << "Qt kit consumer: idle action " << (ran ? "ran" : "did not run") << "\n";
    return ran ? 0 : 1;
}
