// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/frame.h"

#include "runtime/forms/designfont_p.h"
#include "runtime/forms/qtcolour_p.h"

#include <QGroupBox>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include <optional>

namespace runtime {

// The toolkit hands a widget's palette and font down to every widget inside it, so the
// frame keeps its own apart and draws its background and caption with them itself.
class Frame::Box : public QGroupBox {
public:
    std::optional<QColor> captionColour;
    std::optional<QFont> captionFont;
    std::optional<QColor> fill;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        if (fill)
            painter.fillRect(rect(), *fill);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        if (captionFont) {
            painter.setFont(*captionFont);
            option.fontMetrics = QFontMetrics(*captionFont);
        }
        if (captionColour) {
            option.textColor = *captionColour;
            option.palette.setColor(QPalette::WindowText, *captionColour);
        }
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }
};

Frame::Frame() : Control(new Box) {}

Frame::Box* Frame::box() const
{
    return static_cast<Box*>(widget());
}

Text Frame::caption() const
{
    return box()->title();
}

void Frame::setCaption(const Text& caption)
{
    box()->setTitle(caption);
}

Colour Frame::foreColor() const
{
    return fromQColor(box()->captionColour.value_or(box()->palette().color(QPalette::WindowText)));
}

void Frame::setForeColor(Colour colour)
{
    box()->captionColour = toQColor(colour);
    box()->update();
}

Colour Frame::backColor() const
{
    return fromQColor(box()->fill.value_or(box()->palette().color(QPalette::Window)));
}

void Frame::setBackColor(Colour colour)
{
    box()->fill = toQColor(colour);
    box()->update();
}

void Frame::setFont(const Font& font)
{
    box()->captionFont = detail::toolkitFont(font, box()->font());
    box()->update();
}

}  // namespace runtime
