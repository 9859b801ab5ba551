// Test entry point shared by every test program: a QApplication (offscreen for
// window tests) so that Qt objects behave as they do in the program.
#include <gtest/gtest.h>

#include <QApplication>

// The embedded database engine keeps threads and caches alive until the
// process ends; leak checking at exit reports them and can crash while it
// stops those threads, so the sanitizers check everything but leaks.
extern "C" const char* __asan_default_options() { return "detect_leaks=0:abort_on_error=1"; }
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
