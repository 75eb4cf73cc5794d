// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <map>
#include <string>

namespace ordevix {

namespace {

// The first installed stand-in, asked for by its own name: the face the
// substitution would give, without Qt's fontconfig fallback search (about 1 ms
// at start-up). Resolved once per face; the first face asked for registers them.
QString installedFamily(const char* face) {
    static std::map<std::string, QString, std::less<>> resolved = [] {
        // The stored face names are rarely installed on Linux; these Debian faces
        // stand in (Liberation is metric-compatible with Times New Roman).
        const char* const standIns[][3] = {
            {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"},
            {"Times New Roman", "Liberation Serif", "DejaVu Serif"},
            {"Technical", "DejaVu Sans Condensed", "DejaVu Sans"},
            {"Lucida Console", "Liberation Mono", "DejaVu Sans Mono"}};
        for (const auto& [face, first, second] : standIns)
            QFont::insertSubstitutions(QString::fromUtf8(face),
                                       {QString::fromUtf8(first), QString::fromUtf8(second)});
        return std::map<std::string, QString, std::less<>>();
    }();
    if (const auto it = resolved.find(face); it != resolved.end())
        return it->second;
    const QString requested = QString::fromUtf8(face);
    QString family = requested;
    const QStringList installed = QFontDatabase::families();
    if (!installed.contains(requested, Qt::CaseInsensitive)) {
        const QStringList standIns = QFont::substitutes(requested);
        const auto found =
            std::find_if(standIns.begin(), standIns.end(), [&installed](const QString& name) {
                return installed.contains(name, Qt::CaseInsensitive);
            });
        if (found != standIns.end())
            family = *found;
    }
    return resolved.emplace(face, family).first->second;
}

} // namespace

QFont makeFont(const Font& font) {
    QFont qfont(installedFamily(font.face));
    qfont.setPointSizeF(font.points);
    qfont.setWeight(QFont::Normal);
    qfont.setItalic(false);
    return qfont;
}

} // namespace ordevix
