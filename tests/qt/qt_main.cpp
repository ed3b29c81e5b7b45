#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// The Qt tests need one application object for the whole run; without a display
// they use the offscreen platform.
int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
