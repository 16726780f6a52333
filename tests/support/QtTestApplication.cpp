#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

#include "support/PrivateUserFolders.h"

namespace {

// One QApplication for the whole test program, made before the first test and
// gone after the last, over temporary user folders.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        folders_ = std::make_unique<PrivateUserFolders>();
        static int argc = 1;
        static char name[] = "brimal_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override {
        app_.reset();
        folders_.reset();
    }

private:
    std::unique_ptr<PrivateUserFolders> folders_;
    std::unique_ptr<QApplication> app_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
