#include "support/StoreFolder.h"

#include <QList>

std::string StoreFolder::Entries() const {
    std::string entries;
    QByteArray section;
    for (const QByteArray& rawLine : ReadText().split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty()) continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            section = line.mid(1, line.size() - 2);
        } else if (line.contains('=')) {
            entries += (section + '/' + line + '\n').toStdString();
        } else {
            entries += ('?' + line + '\n').toStdString();
        }
    }
    return entries;
}
