#include <gtest/gtest.h>

#include "platform/HostPath.h"

TEST(HostPath, BackslashesBecomeTheHostsSeparator) {
    EXPECT_EQ(HostPath("Data\\Info.dat"), "Data/Info.dat");
    EXPECT_EQ(HostPath("Graphics\\Gui\\Play Game Button Pushed.bmp"),
              "Graphics/Gui/Play Game Button Pushed.bmp");
    EXPECT_EQ(HostPath("Direct Draw 5 Log.txt"), "Direct Draw 5 Log.txt");
}
