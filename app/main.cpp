#include "app/appicon.h"
#include "app/application.h"
#include "app/cli.h"
#include "app/tfrmmain.h"
#include "app/wizard.h"
#include "pages/uiseam.h"

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

bool displayAvailable() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv) {
    const QStringList arguments = argumentsOf(argc, argv);
    if (const auto status = runCommandLine(arguments))
        return *status;
#ifndef Q_OS_WIN
    if (!displayAvailable()) {
        std::fputs("tzwizard: нет графического дисплея (DISPLAY не задан); без экрана "
                   "запустите так: xvfb-run -a tzwizard [проект.tz]\n",
                   stderr);
        return 2;
    }
#endif
    TzApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tzwizard"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.tzwizard"));
    QApplication::setWindowIcon(applicationIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    QtUiSeam seam;
    auto wizard = createWizard(seam, arguments);
    QObject::connect(wizard.get(), &TfrmMain::quitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}
