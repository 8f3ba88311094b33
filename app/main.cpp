// Navivor: calculates small mains power transformers on an E-shaped laminated core.
#include "app/navivor_application.h"
#include "app/navivor_windows.h"

int main(int argc, char** argv) {
    navivor::NavivorApplication application(argc, argv);
    navivor::NavivorWindows windows;
    windows.MainForm->show();
    application.exec();
    return 0;
}
