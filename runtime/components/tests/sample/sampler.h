// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/components/typeinfo.h"
#include "runtime/components/usercontrol.h"
#include "runtime/forms/button.h"
#include "runtime/forms/event.h"
#include "runtime/forms/textbox.h"

#include <cstdint>

// A control made only for the component system's tests, in the library "sample": one
// member of every kind the binding handles, a design-time property of every kind, an
// event with an argument passed by reference, and a minimum width that its layout keeps,
// as a real control might.
class sampler : public runtime::UserControl {
public:
    static constexpr float minimumWidth = 1000;

    sampler();

    runtime::Text repeat(const runtime::Text& text, std::int16_t times) const;
    void reverse(runtime::Text& text) const;
    double total(std::int32_t whole, double part) const;
    void fail();
    // Raises changed(text, cancel) with cancel 0 and returns what the host left in it.
    std::int16_t announce(const runtime::Text& text);
    runtime::Text caption() const { return caption_; }
    void setCaption(const runtime::Text& caption) { caption_ = caption; }
    std::int32_t resizes() const { return resizes_; }
    bool marked() const { return marked_; }
    void setMarked(bool marked) { marked_ = marked; }
    std::int16_t times() const { return times_; }
    void setTimes(std::int16_t times) { times_ = times; }
    std::int32_t limit() const { return limit_; }
    void setLimit(std::int32_t limit) { limit_ = limit; }
    double ratio() const { return ratio_; }
    void setRatio(double ratio) { ratio_ = ratio; }
    bool initialized() const { return initialized_; }

    runtime::Event<const runtime::Text&, std::int16_t&> changed;
    runtime::Event<> clicked;

    runtime::TextBox box;
    runtime::Button press;

    // Widths the layout found, in order, for the tests of nested resizes.
    std::vector<float> widthsSeen;

private:
    void UserControl_Initialize() override { initialized_ = true; }
    void UserControl_Resize() override;
    void press_Click() { clicked.raise(); }

    runtime::Text caption_;
    std::int32_t resizes_ = 0;
    // The design-time properties' defaults: none of them zero, so that a value left at
    // zero is seen.
    bool marked_ = true;
    std::int16_t times_ = 2;
    std::int32_t limit_ = 100000;
    double ratio_ = 0.25;
    bool initialized_ = false;
};

namespace sample {
extern const runtime::components::LibraryDescriptor library;
}
