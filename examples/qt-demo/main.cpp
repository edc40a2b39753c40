// The Qt demo of the integration manager: a main window built on the Qt host
// kit, with the simulated engine drawing its pages with OpenGL.
//
//   qt-demo                      interactive
//   qt-demo --script [--out DIR] a scripted session that writes screenshots
//                                and an exported image to DIR (demo-out)
//   ... --trace FILE             also records a boundary trace into FILE
//
// Either way it prints an account of what crosses the boundary between the
// application, the library and the engine.
#include "BoundaryAccount.h"
#include "DemoScript.h"
#include "DemoSession.h"
#include "DemoWindow.h"
#include "TraceRecording.h"

#include <QApplication>
#include <QDir>
#include <QScreen>

#include <iostream>
#include <memory>

namespace {

// The scripted session gives up after this long.
const int ScriptTimeLimitMilliseconds = 50000;

// 900 x 640 logical pixels at (40, 40), smaller where the screen is: the
// window, made larger by the scripted session, stays on the screen at any
// pixel ratio (a HiDPI screen of 1280 x 1024 device pixels at ratio 2 has
// 640 x 512 logical ones).
QRect initialGeometry(const QScreen& screen)
{
    const QRect available = screen.availableGeometry();
    const QPoint offset(40, 40);
    const QSize room = available.size() - QSize(offset.x(), offset.y()) - DemoScript::GrowBy;
    return QRect(available.topLeft() + offset, QSize(900, 640).boundedTo(room));
}

struct Options
{
    bool script = false;
    QString outputDirectory = QStringLiteral("demo-out");
    QString traceFile;
};

bool parse(const QStringList& arguments, Options& options)
{
    for (int i = 1; i < arguments.size(); ++i)
    {
        if (arguments[i] == QLatin1String("--script"))
            options.script = true;
        else if (arguments[i] == QLatin1String("--out") && i + 1 < arguments.size())
            options.outputDirectory = arguments[++i];
        else if (arguments[i] == QLatin1String("--trace") && i + 1 < arguments.size())
            options.traceFile = arguments[++i];
        else
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    Options options;
    if (!parse(QApplication::arguments(), options))
    {
        std::cerr << "usage: qt-demo [--script [--out DIRECTORY]] [--trace FILE]\n";
        return 2;
    }

    std::cout << "Orvane integration manager - Qt demo against the simulated engine"
              << (options.script ? " (scripted session)" : "") << "\n";
    const TraceRecording trace(options.traceFile.toStdString());
    BoundaryAccount account(std::cout);
    account.road("Start");
    DemoSession session(account);
    if (!session.start("qt-demo", QDir::currentPath().toStdString()))
        return 1;

    int result = 0;
    {
        DemoWindow window(session, account);
        window.setGeometry(initialGeometry(*window.screen()));
        window.show();
        std::unique_ptr<DemoScript> script;
        if (options.script)
        {
            script.reset(new DemoScript(window, session, account, options.outputDirectory));
            script->start(ScriptTimeLimitMilliseconds);
        }
        else
            window.actions().newPage->trigger(); // a page to start with
        result = application.exec();
        account.road("Stop");
        account.host("closes its main window: the drawing areas go before the engine stops");
    }
    session.stop();
    return result;
}
