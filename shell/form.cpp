#include "shell/form.h"

#include "shell/frmIndex.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QShortcutEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

namespace ordevix {

namespace {

// The stored faces come from another platform and are rarely installed; the
// application's substitution table names their stand-ins. Asking for the first
// installed stand-in by its own name selects the same face, but spares Qt the
// fontconfig fallback search it makes at once for every substituted face (about
// 1 ms for the main menu's faces at start-up). Resolved once per face.
QString installedFamily(const char* face) {
    static std::map<std::string, QString, std::less<>> resolved;
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

QFont makeFont(const Font& font) {
    QFont qfont(installedFamily(font.face));
    qfont.setPointSizeF(font.points);
    qfont.setWeight(QFont::Normal);
    qfont.setItalic(false);
    return qfont;
}

// A window's icon is drawn as ":/icons/NAME.svg"; the build renders it to
// ":/icons/16/NAME.png" and ":/icons/32/NAME.png", the two sizes a window shows.
// The PNGs spare the start-up the SVG icon engine and its rendering.
QIcon iconFor(const char* path) {
    const QString svg = QString::fromUtf8(path);
    const QString prefix = QStringLiteral(":/icons/");
    const QString suffix = QStringLiteral(".svg");
    if (!svg.startsWith(prefix) || !svg.endsWith(suffix))
        return QIcon(svg);
    const QString name = svg.sliced(prefix.size(), svg.size() - prefix.size() - suffix.size());
    QIcon icon;
    for (const int size : {16, 32}) {
        const QString png =
            prefix + QString::number(size) + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QFile::exists(png))
            return QIcon(svg);
        icon.addFile(png, QSize(size, size));
    }
    return icon;
}

QRect twipsRect(const Control& c) {
    return {twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
            twipsToPixels(c.height)};
}

// A caption too wide for its button is broken into two lines at a blank.
QString fitCaption(const QString& caption, const QFont& font, int width) {
    const qsizetype blank = caption.lastIndexOf(QLatin1Char(' '));
    if (blank < 0)
        return caption;
    const QFontMetrics metrics(font);
    const int room = width - 8;
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    if (metrics.horizontalAdvance(plain) <= room)
        return caption;
    return caption.left(blank) + QLatin1Char('\n') + caption.mid(blank + 1);
}

// A button whose access key clicks it at once, as Enter and space do, rather
// than after the short animation Qt plays: a delayed click could land after
// its window was hidden.
class AccessKeyButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Shortcut && isEnabled() &&
            !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            setFocus(Qt::ShortcutFocusReason);
            click();
            return true;
        }
        return QPushButton::event(event);
    }
};

// The number form of Print: a sign position, the digits, one blank.
QString printForm(Integer n) {
    return QString::fromStdU16String(NumberToSignedText(n)) + QLatin1Char(' ');
}

} // namespace

// The client area: the controls lie on it and Print draws on it. Printed lines
// are not retained contents, so hiding the window forgets them.
class PrintSurface : public QWidget {
public:
    explicit PrintSurface(QWidget* parent) : QWidget(parent) {}

    void print(Integer value) {
        lines_.push_back({printY_, value});
        printY_ += fontMetrics().lineSpacing();
        changed();
    }
    void cls() {
        lines_.clear();
        printY_ = 0;
        changed();
    }
    void forget() {
        if (lines_.empty())
            return;
        lines_.clear();
        changed();
    }
    int printY() const { return printY_; }
    std::vector<QString> lines() const {
        std::vector<QString> out;
        for (const Line& line : lines_)
            out.push_back(printForm(line.value));
        return out;
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (lines_.empty())
            return;
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        const int ascent = fontMetrics().ascent();
        for (const Line& line : lines_)
            painter.drawText(0, line.y + ascent, printForm(line.value));
    }

private:
    struct Line {
        int y;
        Integer value;
    };

    // Screen readers get the printed numbers, one per line.
    void changed() {
        QStringList numbers;
        for (const Line& line : lines_)
            numbers << QString::number(line.value);
        setAccessibleDescription(numbers.join(QLatin1Char('\n')));
        update();
    }

    std::vector<Line> lines_;
    int printY_ = 0;
};

Form::Form(FormHost& host, const FormDescription& description)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      host_(host), description_(description) {
    build();
}

Form::~Form() = default;

void Form::build() {
    setObjectName(QString::fromUtf8(description_.name));
    setWindowTitle(QString::fromUtf8(description_.caption));
    setFont(makeFont(description_.font));
    if (description_.icon)
        setWindowIcon(iconFor(description_.icon));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The frame is fixed: the window takes exactly the size of its client area.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    surface_ = new PrintSurface(this);
    surface_->setObjectName(QStringLiteral("surface"));
    surface_->setAccessibleName(QString::fromUtf8(description_.caption));
    surface_->setFixedSize(twipsToPixels(description_.clientWidth),
                           twipsToPixels(description_.clientHeight));
    if (!description_.menu.empty())
        buildMenu(this, layout);
    layout->addWidget(surface_);

    std::vector<const Control*> byTab;
    for (const Control& c : description_.controls) {
        QWidget* widget = nullptr;
        const QString caption = QString::fromUtf8(c.caption ? c.caption : "");
        switch (c.kind) {
        case Kind::Label: {
            auto* label = new QLabel(caption, surface_);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setTextFormat(Qt::PlainText);
            widget = label;
            break;
        }
        case Kind::TextBox: {
            auto* edit = new QLineEdit(caption, surface_);
            if (c.accessibleName)
                edit->setAccessibleName(QString::fromUtf8(c.accessibleName));
            widget = edit;
            break;
        }
        case Kind::CommandButton: {
            const QFont buttonFont = c.font.face ? makeFont(c.font) : font();
            auto* button = new AccessKeyButton(
                fitCaption(caption, buttonFont, twipsToPixels(c.width)), surface_);
            button->setAutoDefault(false);
            if (c.roles & kDefault) {
                button->setDefault(true);
                defaultButton_ = button;
            }
            if (c.roles & kCancel)
                cancelButton_ = button;
            widget = button;
            break;
        }
        case Kind::CheckBox:
            widget = new QCheckBox(caption, surface_);
            break;
        }
        widget->setObjectName(QString::fromUtf8(c.name));
        named_.emplace_back(c.name, widget);
        widget->setGeometry(twipsRect(c));
        if (c.font.face)
            widget->setFont(makeFont(c.font));
        if (c.toolTip)
            widget->setToolTip(QString::fromUtf8(c.toolTip));
        if (c.kind != Kind::Label)
            byTab.push_back(&c);
    }

    std::sort(byTab.begin(), byTab.end(),
              [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    for (size_t k = 1; k < byTab.size(); ++k)
        QWidget::setTabOrder(control(byTab[k - 1]->name), control(byTab[k]->name));
}

void Form::buildMenu(QWidget* menuHost, QVBoxLayout* layout) {
    auto* bar = new QMenuBar(menuHost);
    bar->setObjectName(QStringLiteral("menuBar"));
    QMenu* current = nullptr;
    const char* currentName = nullptr;
    for (const MenuItem& item : description_.menu) {
        if (!current || std::string_view(currentName) != item.menuName) {
            current = bar->addMenu(QString::fromUtf8(item.menuCaption));
            current->setObjectName(QString::fromUtf8(item.menuName));
            currentName = item.menuName;
        }
        QAction* action = current->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromUtf8(item.name));
        action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        // Shortcuts must work while the menu is closed.
        addAction(action);
    }
    layout->setMenuBar(bar);
}

QWidget* Form::control(const char* name) const {
    // Whoever reads a widget directly sees the texts written so far.
    host_.flushTexts();
    return find(name);
}

QWidget* Form::find(const char* name) const {
    for (const auto& [controlName, widget] : named_)
        if (controlName == name || std::strcmp(controlName, name) == 0)
            return widget;
    return nullptr;
}

QWidget* Form::surface() const {
    return surface_;
}

QPoint Form::printPosition() const {
    return {0, surface_->printY()};
}

QWidget* Form::firstFocus() const {
    const Control* best = nullptr;
    for (const Control& c : description_.controls) {
        if (c.kind == Kind::Label || !control(c.name)->isEnabled())
            continue;
        if (!best || c.tabIndex < best->tabIndex)
            best = &c;
    }
    return best ? control(best->name) : nullptr;
}

Text Form::text(const char* textBox) const {
    QWidget* box = find(textBox);
    if (const Text* pending = host_.texts().pending(box))
        return *pending;
    return static_cast<QLineEdit*>(box)->text().toStdU16String();
}

void Form::setText(const char* textBox, const Text& text) {
    host_.texts().write(find(textBox), text);
}

Text Form::caption(const char* label) const {
    QWidget* widget = find(label);
    if (const Text* pending = host_.texts().pending(widget))
        return *pending;
    return static_cast<QLabel*>(widget)->text().toStdU16String();
}

void Form::setCaption(const char* label, const Text& caption) {
    host_.texts().write(find(label), caption);
}

bool Form::enabled(const char* textBox) const {
    return control(textBox)->isEnabled();
}

void Form::setEnabled(const char* textBox, bool enabled) {
    control(textBox)->setEnabled(enabled);
}

int Form::value(const char* checkBox) const {
    return static_cast<QCheckBox*>(control(checkBox))->isChecked() ? 1 : 0;
}

void Form::Print(Integer n) {
    surface_->print(n);
}

void Form::Cls() {
    surface_->cls();
}

std::vector<QString> Form::printedLines() const {
    return surface_->lines();
}

void Form::bindClick(const char* name, std::function<void()> handler) {
    const QString objectName = QString::fromUtf8(name);
    auto run = [this, handler = std::move(handler)](const void* key) {
        // Only a window on the screen takes the user's input; a click that was
        // on its way when the window was hidden is dropped.
        if (isVisible())
            host_.dispatch(key, handler);
    };
    if (auto* button = surface_->findChild<QAbstractButton*>(objectName)) {
        connect(button, &QAbstractButton::clicked, this, [run, button] { run(button); });
    } else if (auto* action = findChild<QAction*>(objectName)) {
        connect(action, &QAction::triggered, this, [run, action] { run(action); });
    }
}

void Form::Form_Unload() {
    host_.End();
}

void Form::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A focused button takes Enter; otherwise the default button, if any.
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QAbstractButton* target = focused ? focused : defaultButton_;
        if (target && target->isEnabled()) {
            target->click();
            return;
        }
        break;
    }
    case Qt::Key_Escape:
        if (cancelButton_ && cancelButton_->isEnabled()) {
            cancelButton_->click();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void Form::closeEvent(QCloseEvent* event) {
    // The window is never destroyed while the program runs: closing it means End.
    event->ignore();
    host_.dispatch(this, [this] { Form_Unload(); });
}

void Form::hideEvent(QHideEvent* event) {
    surface_->forget();
    QWidget::hideEvent(event);
}

ToolForm::ToolForm(FormHost& host, const FormDescription& description, const char* inicio,
                   const char* salir)
    : Form(host, description) {
    onClick(inicio, &ToolForm::inicio);
    onClick(salir, &ToolForm::salir);
}

void ToolForm::inicio() {
    host().Show(host().form<frmIndex>());
    host().Hide(*this);
}

void ToolForm::salir() {
    host().End();
}

} // namespace ordevix
