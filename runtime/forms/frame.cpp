#include "runtime/forms/frame.h"

#include <QGroupBox>

namespace runtime {

Frame::Frame() : Control(new QGroupBox) {}

Text Frame::caption() const
{
    return static_cast<QGroupBox*>(widget())->title();
}

void Frame::setCaption(const Text& caption)
{
    static_cast<QGroupBox*>(widget())->setTitle(caption);
}

}  // namespace runtime
