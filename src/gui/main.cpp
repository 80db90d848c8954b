// SPDX-License-Identifier: MIT
// Start-up: hourglass pointer, the start-up window painted and shown, the
// main window loaded with every default and shown; the first resize of the
// main window closes the start-up window.
//
// ribcraft [--version] [--help] [FILE]: FILE is a coordinate file read at start.

#include <QApplication>
#include <QCommandLineParser>
#include <QCursor>
#include <QTimer>

#include "gui/Form1.h"
#include "gui/Splash.h"

int main(int argc, char** argv) {
    // Fractional screen scales (125 %, 150 %) draw at the true scale, not rounded.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ribcraft"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ribcraft"));
    QApplication::setApplicationVersion(QString::fromUtf8(RIBCRAFT_VERSION));
    QApplication::setOrganizationName(QStringLiteral("ribcraft"));
    QApplication::setDesktopFileName(QStringLiteral("ribcraft"));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Airfoil design and analysis; wing-rib templates."));
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Airfoil coordinate file to read at start."),
                                  QStringLiteral("[file]"));
    options.process(app);

    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ribcraft::Form1 form1;
    ribcraft::Splash splash(form1.state());
    // The first solution runs when the main window is shown; the start-up
    // window is on the screen, painted, before that.
    splash.showPainted();
    QObject::connect(&form1, &ribcraft::Form1::firstResized, &splash, [&splash] {
        // Let the start-up window be seen for a moment before it goes.
        QTimer::singleShot(800, &splash, [&splash] { splash.dismiss(); });
    });
    form1.show();
    QApplication::restoreOverrideCursor();
    if (!options.positionalArguments().isEmpty())
        QTimer::singleShot(0, &form1, [&form1, path = options.positionalArguments().front()] { form1.OpenFile(path); });
    return app.exec();
}
