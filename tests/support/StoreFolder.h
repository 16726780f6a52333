#pragma once

#include "engine/GameSettings.h"
#include "support/DescribeSettings.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <stdexcept>
#include <string>

// A temporary folder holding one store file, with its raw text at hand.
class StoreFolder {
public:
    QString Path() const { return dir_.filePath("Brimal.conf"); }
    QString FilePath(const QString& name) const { return dir_.filePath(name); }

    void WriteText(const QByteArray& text) const {
        QFile file(Path());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("open");
        file.write(text);
    }

    QByteArray ReadText() const {
        QFile file(Path());
        if (!file.open(QIODevice::ReadOnly)) return {};
        return file.readAll();
    }

    // The store file as "Section/ident=value" lines in file order, so that a
    // test can state the whole file; a line of any other shape is kept as is,
    // marked with '?'.
    std::string Entries() const;

private:
    QTemporaryDir dir_;
};
