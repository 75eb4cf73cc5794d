// SPDX-License-Identifier: GPL-3.0-or-later
// A window's client area: the controls lie on it and Print draws on it; hiding
// the window forgets the printed lines. Its context menu's "Copiar", and Ctrl+C
// once a click has focused it, copy the printed numbers.
#pragma once

#include "shell/numeric.h"

#include <QString>
#include <QWidget>

#include <vector>

class QAction;

namespace ordevix {

class PrintSurface : public QWidget {
public:
    explicit PrintSurface(QWidget* parent);

    // One line at the print position, which then moves down a line.
    void print(Integer value);
    // Erases the lines and puts the print position back at the top.
    void cls();
    // Erases the lines but keeps the print position, as hiding does.
    void forget();

    // The texts of the lines still on the surface.
    std::vector<QString> lines() const;
    // The printed numbers, one per line in the order printed, without the
    // blanks of the print form: what "Copiar" puts on the clipboard.
    QString numbers() const;
    void copy();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Line {
        int y;
        Integer value;
    };

    void changed();

    std::vector<Line> lines_;
    int printY_ = 0;
    QAction* copyAction_;
};

} // namespace ordevix
