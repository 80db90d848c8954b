// Start-up: hourglass pointer, the start-up window centred, the main window
// loaded with every default and shown; the first resize of the main window
// closes the start-up window.

#include <QApplication>
#include <QCursor>
#include <QTimer>

#include "gui/Form1.h"
#include "gui/Splash.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));

    ribcraft::Form1 form1;
    ribcraft::Splash splash(form1.state());
    splash.show();
    QApplication::processEvents();

    QObject::connect(&form1, &ribcraft::Form1::firstResized, &splash, [&splash] {
        // Let the start-up window be seen for a moment before it goes.
        QTimer::singleShot(800, &splash, [&splash] { splash.dismiss(); });
    });
    form1.show();
    QApplication::restoreOverrideCursor();
    return app.exec();
}
