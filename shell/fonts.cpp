// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <map>
#include <string>

namespace ordevix {

namespace {

// Registers the stand-ins with Qt's font substitution table.
void installFontStandIns() {
    // The stored face names are rarely installed on Linux; these Debian faces
    // stand in (Liberation is metric-compatible with Times New Roman).
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(
        QStringLiteral("Technical"),
        {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Lucida Console"),
        {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
}

// Asking for the first installed stand-in by its own name selects the same face
// as the substitution would, but spares Qt the fontconfig fallback search it
// makes at once for every substituted face (about 1 ms for the main menu's faces
// at start-up). Resolved once per face, and only once the stand-ins are
// registered: the first face asked for registers them.
QString installedFamily(const char* face) {
    static std::map<std::string, QString, std::less<>> resolved = [] {
        installFontStandIns();
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
