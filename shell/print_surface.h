// SPDX-License-Identifier: GPL-3.0-or-later
// A window's client area: the controls lie on it and Print draws on it. Printed
// lines are not part of what a window keeps, so hiding the window forgets them.
// The printed numbers can be copied: its context menu offers "Copiar", and
// Ctrl+C copies while the surface has the focus, which a click gives it once
// there is something to copy.
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
