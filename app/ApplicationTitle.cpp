#include "ApplicationTitle.h"

#include <algorithm>

QString applicationTitle(const QString& executablePath) {
    const qsizetype folderEnd =
        std::max(executablePath.lastIndexOf(u'/'), executablePath.lastIndexOf(u'\\'));
    QString name = executablePath.mid(folderEnd + 1);
    const qsizetype stop = name.indexOf(u'.');
    if (stop >= 0) {
        name.truncate(stop);
    }
    return name.left(1) + name.mid(1).toLower();
}
