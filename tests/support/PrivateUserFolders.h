#pragma once

#include <QFile>
#include <QTemporaryDir>

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
