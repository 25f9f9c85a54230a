// The style manager RbStyleManager1: holds the look the skinned controls share (the built-in style
// until a skin file is loaded) and restyles every control registered with it.
#pragma once

#include "panels/SkinFile.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPointer>

#include <string>
#include <vector>

class QWidget;

class TRbStyleManager : public QObject {
    Q_OBJECT
public:
    // What a skinned control is, which decides the parts of the style it takes.
    enum class Kind { Panel, Button, Splitter, ToolStrip };

    explicit TRbStyleManager(QObject* parent = nullptr);

    const SkinStyle& style() const { return style_; }
    // Reads a skin file into the style; throws SkinFileError ("File not exists!", "Empty or invalid
    // file") and then keeps the style it had.
    void LoadFromFile(const std::string& path);

    // Registers a control once and gives it the current look; a panel starts with the style's
    // gradient end colour as its own.
    void registerControl(QWidget* control, Kind kind);
    // A panel's own gradient end colour (0x00BBGGRR), used by the next apply.
    void setGradientTo(QWidget* panel, std::int32_t color);
    // Copies the panel colour, the font and the colours of the style onto every registered control.
    void apply();

    // A colour value 0x00BBGGRR as a QColor; kButtonFace is the desktop's button colour.
    static QColor color(std::int32_t value);

private:
    struct Control {
        QPointer<QWidget> widget;
        Kind kind;
    };
    QString styleSheetFor(QWidget* widget, Kind kind) const;
    QFont font() const;
    void restyle(const Control& control, const QFont& font) const;

    SkinStyle style_;
    std::vector<Control> controls_;
};
