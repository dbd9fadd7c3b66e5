#include "ui/qt/control_widgets.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "render/palette.h"
#include "shell/events.h"
#include "ui/qt/control_kinds.h"

namespace vx {

namespace {

// The window's font is a 9.75-point sans-serif face; points are turned into
// pixels at the 96 dots an inch the form's places are measured in.
constexpr double kWindowPoints = 9.75;
constexpr int kEditPixels = 12;

QFont controlFont(double points) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround((points > 0 ? points : kWindowPoints) * 96.0 / 72.0))));
    return font;
}

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string str(const QString& s) { return s.toStdString(); }

// A label's text stays on its one line if a slightly smaller font lets it;
// otherwise it may take a second line below its place, and only beyond that
// does the text get smaller still.
QFont labelFont(const Control& c, const QString& text) {
    const QFont base = controlFont(c.points);
    QFont oneLine = fittedFont(base, text, QSize(c.width, c.height + 4), false);
    if (oneLine.pixelSize() * 5 >= base.pixelSize() * 4) return oneLine;
    return fittedFont(base, text, QSize(c.width, 2 * c.height + 4), true);
}

void showLabel(QLabel& label, const Control& c) {
    label.setText(qs(c.text));
    const QFont font = labelFont(c, label.text());
    label.setFont(font);
    const QRect need =
        QFontMetrics(font).boundingRect(QRect(0, 0, c.width, 1 << 16), Qt::AlignLeft | Qt::TextWordWrap, label.text());
    label.setGeometry(c.left, c.top, c.width, std::max(c.height, need.height()));
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, QColor(c.color.r, c.color.g, c.color.b));
    label.setPalette(palette);
}

void showButton(QPushButton& button, const Control& c) {
    button.setText(qs(c.text));
    button.setFont(fittedFont(controlFont(0), button.text(), QSize(c.width - 6, c.height - 2), true));
}

void showBackColour(QWidget& w, int colour) {
    w.setAutoFillBackground(isPaletteColour(colour));
    if (!isPaletteColour(colour)) return;
    const Rgb rgb = kPalette[static_cast<std::size_t>(colour)];
    QPalette palette = w.palette();
    palette.setColor(QPalette::Window, QColor(rgb.r, rgb.g, rgb.b));
    palette.setColor(QPalette::Button, QColor(rgb.r, rgb.g, rgb.b));
    w.setPalette(palette);
}

// The properties a widget shows, compared to tell whether anything changed.
bool sameLook(const Control& a, const Control& b) {
    return a.text == b.text && a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height &&
           a.color == b.color && a.points == b.points && a.maxlength == b.maxlength && a.readonly == b.readonly &&
           a.backcolor == b.backcolor && a.entries == b.entries;
}

std::vector<std::string> listEntries(const QListWidget& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.count(); ++i) entries.push_back(str(list.item(i)->text()));
    return entries;
}

}  // namespace

ControlWidgets::ControlWidgets(QWidget* surface, std::span<const Control> controls, Deliver deliver)
    : surface_(surface), deliver_(std::move(deliver)) {
    shown_.reserve(controls.size());
    for (const Control& c : controls) shown_.push_back({nullptr, c});
    sync(controls);
}

// Most controls belong to panels that may never be opened: a widget is made
// when its control is first shown (or asked for), which keeps the start quick.
QWidget& ControlWidgets::made(std::size_t i) {
    Shown& shown = shown_[i];
    if (shown.widget) return *shown.widget;
    shown.widget = create(surface_, shown.control);
    // Stacked as if all had been made in the form's order.
    for (std::size_t j = i + 1; j < shown_.size(); ++j)
        if (shown_[j].widget) {
            shown.widget->stackUnder(shown_[j].widget);
            break;
        }
    show(shown, shown.control, true);
    return *shown.widget;
}

QWidget* ControlWidgets::create(QWidget* surface, const Control& c) {
    const std::string name = c.name;
    QWidget* w = nullptr;
    switch (c.kind) {
    case ControlKind::Button: {
        auto* button = new WrapButton(surface);
        QObject::connect(button, &QPushButton::clicked, button,
                         [this, name] { deliver_([&](Game& g) { pressButton(g, name); }); });
        w = button;
        break;
    }
    case ControlKind::Label: {
        auto* label = new InertLabel(surface);
        // Texts may hold names the player typed or gave files: never markup.
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        w = label;
        break;
    }
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(surface);
        edit->setFont(controlFont(kEditPixels * 72.0 / 96.0));
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this, name](const QString& text) {
            deliver_([&](Game& g) { typeText(g, name, str(text)); });
        });
        w = edit;
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = new ModelCheckBox(surface);
        QObject::connect(box, &ModelCheckBox::toggleRequested, box,
                         [this, name] { deliver_([&](Game& g) { toggleCheckBox(g, name); }); });
        w = box;
        break;
    }
    case ControlKind::FileList: {
        auto* list = new QListWidget(surface);
        list->setFont(controlFont(kEditPixels * 72.0 / 96.0));
        QObject::connect(list, &QListWidget::currentRowChanged, list, [this, name, list](int row) {
            if (row < 0 || row >= list->count()) return;
            const std::string entry = str(list->item(row)->text());
            deliver_([&](Game& g) { selectEntry(g, name, entry); });
        });
        // A double-click on an entry of the load list loads it.
        QObject::connect(list, &QListWidget::itemDoubleClicked, list, [this, name, list](QListWidgetItem* item) {
            const int row = list->row(item);
            if (row < 0) return;
            const std::string entry = str(item->text());
            deliver_([&](Game& g) { activateEntry(g, name, entry); });
        });
        w = list;
        break;
    }
    }
    w->setObjectName(qs(name));
    w->hide();
    return w;
}

void ControlWidgets::sync(std::span<const Control> controls) {
    const std::size_t count = std::min(controls.size(), shown_.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (shown_[i].widget) {
            show(shown_[i], controls[i], false);
        } else {
            shown_[i].control = controls[i];
            if (controls[i].visible) made(i);
        }
    }
}

void ControlWidgets::show(Shown& shown, const Control& c, bool first) {
    QWidget& w = *shown.widget;
    Control& was = shown.control;
    // Setting a widget from the game must not come back as a player's event.
    const QSignalBlocker quiet(&w);
    const bool placeChanged =
        first || c.left != was.left || c.top != was.top || c.width != was.width || c.height != was.height;
    if (placeChanged) w.setGeometry(c.left, c.top, c.width, c.height);

    switch (c.kind) {
    case ControlKind::Button:
        if (first || placeChanged || c.text != was.text) showButton(static_cast<QPushButton&>(w), c);
        break;
    case ControlKind::Label:
        if (first || placeChanged || c.text != was.text || c.points != was.points || c.color != was.color)
            showLabel(static_cast<QLabel&>(w), c);
        break;
    case ControlKind::TextBox: {
        auto& edit = static_cast<QLineEdit&>(w);
        // Compared with what the box holds, so that a box the player types in
        // keeps its cursor where it is.
        // A box only the game fills (the load panel's name) shows the start
        // of a long name.
        // The length first: setting it sets the text again, cursor at its end.
        if (first || c.maxlength != was.maxlength) edit.setMaxLength(c.maxlength > 0 ? c.maxlength : 32767);
        if (first || c.readonly != was.readonly) edit.setReadOnly(c.readonly);
        if (const QString text = qs(c.text); edit.text() != text) {
            edit.setText(text);
            if (c.readonly) edit.setCursorPosition(0);
        }
        break;
    }
    case ControlKind::CheckBox: {
        auto& box = static_cast<QCheckBox&>(w);
        if (box.isChecked() != c.ticked) box.setChecked(c.ticked);
        if (first || c.backcolor != was.backcolor) showBackColour(box, c.backcolor);
        if (first || c.text != was.text) box.setText(qs(c.text));
        break;
    }
    case ControlKind::FileList: {
        auto& list = static_cast<QListWidget&>(w);
        if (first || c.entries != was.entries) {
            if (listEntries(list) != c.entries) {
                list.clear();
                for (const std::string& e : c.entries) list.addItem(qs(e));
            }
        }
        const int selected = c.selected >= 0 && c.selected < list.count() ? c.selected : -1;
        if (list.currentRow() != selected) list.setCurrentRow(selected);
        break;
    }
    }
    if (w.isEnabled() != c.enabled) w.setEnabled(c.enabled);
    if (w.isVisibleTo(w.parentWidget()) != c.visible) w.setVisible(c.visible);
    if (!first && !sameLook(c, was)) was = c;
}

QWidget* ControlWidgets::widget(std::string_view name) {
    for (std::size_t i = 0; i < shown_.size(); ++i)
        if (shown_[i].control.name == name) return &made(i);
    return nullptr;
}

std::optional<ControlId> ControlWidgets::controlOf(const QWidget* w) const {
    if (!w) return std::nullopt;
    for (const Shown& shown : shown_)
        if (shown.widget == w) return controlIdNamed(shown.control.name);
    return std::nullopt;
}

}  // namespace vx
