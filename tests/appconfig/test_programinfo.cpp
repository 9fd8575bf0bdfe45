// The command-line manners shared by the suite's programs: when a window can be shown, and which
// first argument asks for help, the version or names an unknown option.
#include "programinfo.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ProgramInfo, DisplayAvailable)
{
    const struct {
        const char *platform, *display, *wayland;
        bool available;
    } cases[] = {
        {"", "", "", false},
        {"", ":0", "", true},
        {"", "", "wayland-0", true},
        {"offscreen", "", "", true},
        {"minimal", "", "", true},
        {"xcb", "", "wayland-0", false},
        {"xcb", ":1", "", true},
        {"xcb:nomitshm", ":1", "", true},
        {"wayland", ":0", "", false},
        {"wayland-egl", "", "wayland-1", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DisplayAvailable(c.platform, c.display, c.wayland), c.available)
            << c.platform << " / " << c.display << " / " << c.wayland;
}

TEST(ProgramInfo, FirstOption)
{
    const struct {
        std::vector<const char *> argv;
        TFirstOption option;
    } cases[] = {
        {{"kmv7040qx"}, TFirstOption::None},
        {{"kmv7040qx", "--help"}, TFirstOption::Help},
        {{"kmv7040qx", "-h"}, TFirstOption::Help},
        {{"kmv7040qx", "--version"}, TFirstOption::Version},
        {{"kmv7040qx", "--helpme"}, TFirstOption::Unknown},
        {{"kmv7040qx", "-"}, TFirstOption::Unknown},
        // The suite's switches, even inside an argument that starts with a dash, are no options.
        {{"kmv7040qx", "/I127.0.0.1", "--help"}, TFirstOption::None},
        {{"kmv7040qx", "-x/I127.0.0.1"}, TFirstOption::None},
        {{"Layer3", "/Apass", "--word"}, TFirstOption::None},
    };
    for (const auto &c : cases) {
        std::vector<char *> argv;
        for (const char *a : c.argv)
            argv.push_back(const_cast<char *>(a));
        argv.push_back(nullptr);
        EXPECT_EQ(FirstOption(int(c.argv.size()), argv.data()), c.option) << c.argv.back();
    }
}

} // namespace
