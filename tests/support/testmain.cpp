// main() of every test executable: an application object first, so window
// tests can build real windows (offscreen, set by CTest), then GoogleTest.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
