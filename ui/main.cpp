#include "core/ClockSeededRandom.h"
#include "ui/KringForm.h"
#include "ui/QtDesktop.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kring::QtDesktop desktop;
    kring::ClockSeededRandom random;
    kring::KringForm form(desktop, random);
    form.show();
    return app.exec();
}
