// SPDX-License-Identifier: LGPL-2.1-or-later
#include "sampler.h"
#include "samplermembers.h"

#include "runtime/base/error.h"
#include "runtime/components/binding.h"

#include <algorithm>

using runtime::Text;

sampler::sampler()
{
    design({1200, 600}, {
        {"box", &box, "", 0, 0, 900, 300, 0},
        {"press", &press, "Press", 0, 300, 900, 300, 1},
    });
    press.Click.bind(this, &sampler::press_Click);
}

Text sampler::repeat(const Text& text, std::int16_t times) const
{
    return text.repeated(times);
}

void sampler::reverse(Text& text) const
{
    std::reverse(text.begin(), text.end());
}

double sampler::total(std::int32_t whole, double part) const
{
    return whole + part;
}

void sampler::fail()
{
    runtime::raiseOverflow();
}

std::int16_t sampler::announce(const Text& text)
{
    std::int16_t cancel = 0;
    changed.raise(text, cancel);
    return cancel;
}

void sampler::UserControl_Resize()
{
    ++resizes_;
    widthsSeen.push_back(scaleWidth());
    if (width() < minimumWidth)
        setWidth(minimumWidth);
    box.setWidth(scaleWidth());
}

namespace sample {
namespace {

using namespace runtime::components;

constexpr Member samplerMembers[] = {
    method<&sampler::repeat>("repeat", samplermember::repeat, "text, times", "The text so many times over"),
    method<&sampler::reverse>("reverse", samplermember::reverse, "text", "Reverses the caller's text"),
    method<&sampler::total>("total", samplermember::total, "whole, part", "The sum of both"),
    method<&sampler::fail>("fail", samplermember::fail, "", "Raises an overflow"),
    method<&sampler::announce>("announce", samplermember::announce, "text", "Raises changed and returns its cancel flag"),
    designProperty<&sampler::caption, &sampler::setCaption>("caption", samplermember::caption, "",
                                                            "A text kept for the host"),
    property<&sampler::resizes>("resizes", samplermember::resizes, "How often the layout ran"),
    designProperty<&sampler::marked, &sampler::setMarked>("marked", samplermember::marked, true, "A flag kept"),
    designProperty<&sampler::times, &sampler::setTimes>("times", samplermember::times, 2, "A Short kept"),
    designProperty<&sampler::limit, &sampler::setLimit>("limit", samplermember::limit, 100000, "A Long kept"),
    designProperty<&sampler::ratio, &sampler::setRatio>("ratio", samplermember::ratio, 0.25, "A Double kept"),
};

constexpr Member samplerEvents[] = {
    event<&sampler::changed>("changed", samplermember::changed, "text, cancel", "announce was called"),
    event<&sampler::clicked>("clicked", samplermember::clicked, "", "press was clicked"),
};

constexpr ClassDescriptor samplerClass = {
    .name = "sampler",
    .id = "{1afea59c-a187-4e8c-a03b-aae39eee5ce2}",
    .control = true,
    .defaultInterface = {"_sampler", "{8584781f-23ca-4511-9bfc-4cd93cf39616}", Dual | Hidden, samplerMembers},
    .eventInterface = {"__sampler", "{4e17c52c-57b7-484a-96c4-a2d5688b5169}", DispatchOnly | Hidden, samplerEvents},
    .threading = ThreadingModel::Apartment,
    .picture = {"0123456789abcdef", "0123456789abcdef", "0123456789abcdef", "0123456789abcdef", "0123456789abcdef",
                "0123456789abcdef", "0123456789abcdef", "0123456789abcdef", "0123456789abcdef", "0123456789abcdef",
                "0123456789abcdef", "0123456789abcdef", "0123456789abcdef", "0123456789abcdef", "0123456789abcdef"},
    .create = &create<sampler>,
};

constexpr const ClassDescriptor* classes[] = {&samplerClass};

}  // namespace

const LibraryDescriptor library = {
    .name = "sample",
    .id = "{6bd0f4b1-a45e-4c78-ac1e-4af36631299b}",
    .description = "Sample control for tests",
    .classes = classes,
};

}  // namespace sample
