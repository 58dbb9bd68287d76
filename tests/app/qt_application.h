#pragma once

#include <QApplication>
#include <cstdlib>

namespace kelvor::testing {

// One application for the whole test program, on the offscreen platform. It is never
// destroyed: taking it down among the program's static objects at exit crashes inside Qt.
inline QApplication& Application() {
    static int argc = 1;
    static char name[] = "kelvor_app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QApplication(argc, argv);
    }();
    return *app;
}

}  // namespace kelvor::testing
