#include "TRbStyleManager.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPalette>
#include <QSplitter>
#include <QVariant>
#include <QWidget>

#include <cstdlib>

namespace {

constexpr const char* kGradientTo = "rbGradientTo";

QString name(const QColor& c) { return c.name(QColor::HexRgb); }

QString gradient(std::int32_t from, std::int32_t to) {
    return QString("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
        .arg(name(TRbStyleManager::color(from)), name(TRbStyleManager::color(to)));
}

} // namespace

TRbStyleManager::TRbStyleManager(QObject* parent) : QObject(parent) { setObjectName("RbStyleManager1"); }

QColor TRbStyleManager::color(std::int32_t value) {
    if (value == kButtonFace)
        return QApplication::palette().color(QPalette::Button);
    const auto v = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

void TRbStyleManager::LoadFromFile(const std::string& path) { LoadSkinFile(path, style_); }

void TRbStyleManager::registerControl(QWidget* control, Kind kind) {
    if (!control)
        return;
    for (const Control& c : controls_)
        if (c.widget == control)
            return;
    if (control->objectName().isEmpty())
        control->setObjectName(QString("RbControl%1").arg(controls_.size()));
    control->setAttribute(Qt::WA_StyledBackground, true);
    if (kind == Kind::Panel && !control->property(kGradientTo).isValid())
        control->setProperty(kGradientTo, style_.Colors.DefaultTo);
    controls_.push_back({control, kind});
    restyle(controls_.back(), font());  // a control registered late (a dialog) starts in the current look
}

void TRbStyleManager::setGradientTo(QWidget* panel, std::int32_t color) {
    if (panel)
        panel->setProperty(kGradientTo, color);
}

QString TRbStyleManager::styleSheetFor(QWidget* widget, Kind kind) const {
    const SkinStyle& s = style_;
    const ControlColors& c = s.Colors;
    const QString id = "#" + widget->objectName();
    const QString text = name(color(s.Font.Color));
    switch (kind) {
    case Kind::Panel: {
        const std::int32_t to = widget->property(kGradientTo).toInt();
        return QString("%1 { background: %2; color: %3; border: 1px solid %4; }")
            .arg(id, gradient(s.Color, to), text, name(color(s.PanelBorder)));
    }
    case Kind::Button:
        return QString("%1 { background: %2; color: %3; border: 1px solid %4; border-radius: 3px; padding: 2px 6px; }"
                       "%1:hover { background: %5; border-color: %6; }"
                       "%1:pressed, %1:checked { background: %7; }")
            .arg(id, gradient(c.DefaultFrom, c.DefaultTo), text, name(color(c.Border)),
                 gradient(c.OverFrom, c.OverTo), name(color(s.HotTrack ? c.HotTrack : c.Border)),
                 gradient(c.ClickedFrom, c.ClickedTo));
    case Kind::Splitter: {
        const QString resting = name(color(s.Splitter.Color));
        const QString hover = gradient(s.Splitter.OverFrom, s.Splitter.OverTo);
        if (qobject_cast<QSplitter*>(widget))
            return QString("%1::handle { background: %2; } %1::handle:hover { background: %3; }").arg(id, resting, hover);
        return QString("%1 { background: %2; } %1:hover { background: %3; }").arg(id, resting, hover);
    }
    case Kind::ToolStrip:
        return QString("%1::pane { background: %2; border: 1px solid %3; }"
                       "%1 > QTabBar::tab { background: %4; color: %5; border: 1px solid %3; padding: 3px 10px; }"
                       "%1 > QTabBar::tab:selected { background: %6; }"
                       "%1 > QTabBar::tab:hover { background: %7; }")
            .arg(id, name(color(s.Color)), name(color(c.Border)), gradient(c.DefaultFrom, c.DefaultTo), text,
                 gradient(c.ClickedFrom, c.ClickedTo), gradient(c.OverFrom, c.OverTo));
    }
    return {};
}

QFont TRbStyleManager::font() const {
    QFont font(QString::fromStdString(style_.Font.Name));
    // A negative height, as many skins write it, is the glyphs' height; either way it is in pixels.
    const int height = std::abs(style_.Font.Height);
    font.setPixelSize(height > 0 ? height : 11);
    font.setBold(style_.Font.Bold);
    font.setItalic(style_.Font.Italic);
    font.setUnderline(style_.Font.Underline);
    font.setStrikeOut(style_.Font.StrikeOut);
    return font;
}

void TRbStyleManager::restyle(const Control& control, const QFont& font) const {
    if (!control.widget)
        return;
    control.widget->setFont(font);
    control.widget->setStyleSheet(styleSheetFor(control.widget, control.kind));
}

void TRbStyleManager::apply() {
    const QFont current = font();
    for (const Control& control : controls_)
        restyle(control, current);
}
