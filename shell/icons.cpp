// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/icons.h"

#include <QFileInfo>
#include <QString>

namespace ordevix {

QIcon windowIconFor(const char* path) {
    const QString name = QFileInfo(QString::fromUtf8(path)).completeBaseName();
    QIcon icon;
    for (const int size : {16, 32})
        icon.addFile(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(name), QSize(size, size));
    return icon;
}

} // namespace ordevix
