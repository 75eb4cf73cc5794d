// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/program.h"

#include "shell/fonts.h"
#include "shell/form.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ordevix {

namespace {

// The decimal and thousands separators of the user's regional settings.
RegionalSettings systemRegional() {
    const QLocale locale = QLocale::system();
    RegionalSettings regional;
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (decimal.size() == 1)
        regional.decimalSeparator = decimal.at(0).unicode();
    if (group.size() == 1)
        regional.thousandsSeparator = group.at(0).unicode();
    return regional;
}

} // namespace

void configureApplication(QApplication& app) {
    installFontStandIns();

    // The interface is Spanish whatever the system language, Qt's own texts too.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);

    app.setApplicationName(QStringLiteral("Ordevix"));
    // The installed desktop entry, so that a desktop can match the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ordevix.ordevix"));
    // The main menu's icon.
    app.setWindowIcon(iconNamed("grafico"));
}

void prepareProgram(QApplication& app, FormHost& host) {
    configureApplication(app);
    host.setRegional(systemRegional());
}

} // namespace ordevix
