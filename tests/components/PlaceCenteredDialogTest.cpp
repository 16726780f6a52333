#include "components/PMsgDlg.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(PlaceCenteredDialog, CentresOnTheOwnerAndKeepsInsideTheWorkArea) {
    // The work area is the whole 1024 x 768 screen unless a task bar takes a side.
    struct Case {
        const char* name;
        QRect owner;
        QSize dialog;
        QPoint expected;
        QRect workArea{0, 0, 1024, 768};
    };
    const Case cases[] = {
        {"mid-screen, even remainders", {100, 100, 400, 300}, {200, 100}, {200, 200}},
        {"odd remainders truncate", {100, 100, 401, 301}, {200, 100}, {200, 200}},
        {"negative odd remainders truncate up", {300, 300, 100, 50}, {201, 101}, {250, 275}},
        {"near the right and bottom edges", {900, 700, 300, 200}, {200, 100}, {824, 668}},
        {"ending exactly at the right edge stays", {774, 0, 300, 100}, {200, 100}, {824, 0}},
        {"near the left and top edges", {-250, -150, 300, 200}, {200, 100}, {0, 0}},
        {"partly off the bottom", {400, 650, 300, 200}, {200, 100}, {450, 668}},
        {"larger than the work area, mid-screen", {100, 100, 400, 300}, {1100, 800}, {0, 0}},
        {"larger than the work area, owner right", {900, 600, 300, 200}, {1100, 800}, {0, 0}},
        {"task bar on the left", {0, 100, 300, 200}, {200, 100}, {60, 150}, {60, 0, 964, 768}},
        {"task bar on top", {100, -20, 300, 200}, {200, 100}, {150, 40}, {0, 40, 1024, 728}},
        {"task bar at the bottom", {100, 600, 300, 200}, {200, 100}, {150, 628}, {0, 0, 1024, 728}},
        {"task bar on the right", {800, 100, 300, 200}, {200, 100}, {764, 150}, {0, 0, 964, 768}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceCenteredDialog(c.owner, c.dialog, c.workArea), c.expected) << c.name;
    }
}

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotWithTheRestInLowerCase) {
    const std::pair<QString, QString> cases[] = {
        {"/usr/bin/brimal.exe", "brimal"}, // the first letter keeps its case
        {"/x/BRIMAL.TAR.GZ", "Brimal"},
        {"/x/Brimal", "Brimal"},
        {"BrImAl", "Brimal"},
        {"/x.d/BRIMAL", "Brimal"}, // a dot in a folder name does not cut
        {"/x/ÉCRAN.bin", "Écran"},
        {"/x/.brimal", ""},
        {"/x/", ""},
        {"", ""},
    };
    for (const auto& [path, title] : cases) {
        EXPECT_EQ(ApplicationTitle(path), title) << path.toStdString();
    }
}

TEST(CommandTitle, IsTheApplicationTitleWithItsFirstLetterInUpperCase) {
    const std::pair<QString, QString> cases[] = {
        {"/usr/bin/brimal", "Brimal"}, // the installed command
        {"/w/build/Brimal", "Brimal"}, // the build tree's program, as before
        {"/usr/games/BRIMAL.bin", "Brimal"}, {"/x/écran", "Écran"}, {"/x/.brimal", ""}, {"", ""},
    };
    for (const auto& [path, title] : cases) {
        EXPECT_EQ(CommandTitle(path), title) << path.toStdString();
    }
}

} // namespace
