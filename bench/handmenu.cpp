// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu as one would write it by hand in Qt: the same window, menus,
// buttons, fonts and texts as frmIndex, in pixels (15 twips each), with the
// installed faces that stand in for the stored ones.
#include "bench/bench.h"

#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace ordevix::bench {

namespace {

QFont face(const char* family, double points) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    return font;
}

void addMenus(QWidget& window, QVBoxLayout& layout) {
    auto* bar = new QMenuBar(&window);
    bar->addMenu(QStringLiteral("Archivo"))
        ->addAction(QStringLiteral("Salir"), QKeySequence(QStringLiteral("F4")));
    QMenu* menu = bar->addMenu(QStringLiteral("Menú"));
    const char* const items[][2] = {{"Calculadora", "Ctrl+B"},  {"Factoreador", "Ctrl+F"},
                                    {"Primos", "Ctrl+P"},       {"Amigos", "Ctrl+A"},
                                    {"Es Divisible", "Ctrl+D"}, {"Funciones Cuadráticas", "Ctrl+T"},
                                    {"Perfectos", "Ctrl+E"}};
    for (const auto& [caption, shortcut] : items)
        menu->addAction(QString::fromUtf8(caption), QKeySequence(QString::fromLatin1(shortcut)));
    layout.setMenuBar(bar);
}

void addControls(QWidget& surface) {
    const QFont buttons = face("Liberation Serif", 9.75);
    const char* const captions[] = {"&Calculadora", "&Factoreador",  "&Primos",
                                    "&Amigos",      "&Es Divisible", "F&unciones\nCuadráticas",
                                    "&Perfectos"};
    int left = 32;
    for (const char* caption : captions) {
        auto* button = new QPushButton(QString::fromUtf8(caption), &surface);
        button->setFont(buttons);
        button->setGeometry(left, 128, 73, 41);
        left += 72;
    }
    auto* title = new QLabel(QStringLiteral("TEVAQUIN ORDEVIX"), &surface);
    title->setFont(face("DejaVu Sans Condensed", 21.75));
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    title->setGeometry(8, 40, 561, 65);
    auto* salir = new QPushButton(QStringLiteral("SALIR"), &surface);
    salir->setFont(face("Liberation Serif", 8.25));
    salir->setGeometry(104, 352, 65, 33);
}

} // namespace

std::unique_ptr<QWidget> buildMenuByHand() {
    auto window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    window->setWindowTitle(QStringLiteral("Bienvenido al Ordevix Tevaquin"));
    window->setFont(face("Liberation Sans", 8.25));
    QIcon icon;
    for (const int size : {16, 32})
        icon.addFile(QStringLiteral(":/icons/%1/grafico.png").arg(size), QSize(size, size));
    window->setWindowIcon(icon);
    auto* layout = new QVBoxLayout(window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    addMenus(*window, *layout);
    auto* surface = new QWidget(window.get());
    surface->setFixedSize(565, 441);
    addControls(*surface);
    layout->addWidget(surface);
    return window;
}

} // namespace ordevix::bench
