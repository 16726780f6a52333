#pragma once

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// Points the user's configuration, data, cache and runtime folders at
// temporary folders of the test program's own, removed with this object. Made
// before the program's application, since Qt looks each folder up once per
// process: no test then reads or writes the user's own store, high-score
// table or Qt's own settings, whether ctest runs under test.sh or by hand.
class PrivateUserFolders {
public:
    PrivateUserFolders() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data_.path()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache_.path()));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
        QFile::setPermissions(runtime_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private:
    QTemporaryDir config_, data_, cache_, runtime_;
};

// One QApplication for the whole test program, over private user folders:
// made before the first test and gone after the last.
class PrivateApplication : public ::testing::Environment {
public:
    explicit PrivateApplication(std::string name) : name_(std::move(name)) {}
    void SetUp() override {
        folders_ = std::make_unique<PrivateUserFolders>();
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override {
        app_.reset();
        folders_.reset();
    }

private:
    // The application keeps its arguments for as long as it lives.
    std::string name_;
    int argc_ = 1;
    char* argv_[2] = {name_.data(), nullptr};
    std::unique_ptr<PrivateUserFolders> folders_;
    std::unique_ptr<QApplication> app_;
};
