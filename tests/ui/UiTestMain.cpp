#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// One QApplication serves every test; each test runs its own application object on it.
int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
