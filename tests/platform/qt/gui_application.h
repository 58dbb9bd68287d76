#pragma once

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace kelvor::platform::qt {

// One application object for the whole test program, on the offscreen platform; every test
// file of the Qt layer takes it from here, so that there is never a second one.
inline QGuiApplication& Application() {
    static int argc = 1;
    static char name[] = "kelvor_qt_tests";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return std::make_unique<QGuiApplication>(argc, argv);
    }();
    return *app;
}

}  // namespace kelvor::platform::qt
