#pragma once

#include "runtime/runtime_export.h"

#include "runtime/forms/control.h"

namespace runtime {

// A captioned border that holds other controls; their positions are relative to it.
// Its fore colour and font are its caption's, and its back colour fills its own area:
// none of them reaches the controls inside, which keep their own or the window's.
class RUNTIME_EXPORT Frame : public Control {
public:
    Frame();

    Text caption() const;
    void setCaption(const Text& caption);
    Text shownText() const override { return caption(); }

    Colour foreColor() const override;
    void setForeColor(Colour colour) override;
    Colour backColor() const override;
    void setBackColor(Colour colour) override;
    void setFont(const Font& font) override;

private:
    void setDesignCaption(const Text& caption) override { setCaption(caption); }
    class Box;
    Box* box() const;
};

}  // namespace runtime
