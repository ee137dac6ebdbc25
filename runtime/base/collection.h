// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// Collection: an ordered, numbered collection of shared objects.

#include "runtime/base/error.h"

#include <memory>
#include <vector>

namespace runtime {

/// An ordered collection of shared object references, numbered from 1: a caller that
/// takes an item out holds a further reference to the same object.
template <typename Object>
class Collection {
public:
    /// A reference to one object of the collection, shared with whoever else holds it.
    using Reference = std::shared_ptr<Object>;

    /// Adds `object` after the last item: its number is the new count().
    void add(Reference object) { objects_.push_back(std::move(object)); }

    /// The item numbered `index`, from 1 to count(); any other number raises the
    /// RuntimeError SubscriptOutOfRange.
    const Reference& item(long long index) const { return objects_.at(checked(index)); }

    /// Takes the item numbered `index` out, and renumbers those after it; a number out of
    /// range raises SubscriptOutOfRange as item() does.
    void remove(long long index) { objects_.erase(objects_.begin() + checked(index)); }

    /// How many items the collection holds.
    long long count() const { return static_cast<long long>(objects_.size()); }

    /// The first item, for a range-based for loop over every item in order.
    auto begin() const { return objects_.begin(); }
    /// Past the last item.
    auto end() const { return objects_.end(); }

private:
    std::size_t checked(long long index) const
    {
        if (index < 1 || index > count())
            throw RuntimeError(RuntimeError::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
        return static_cast<std::size_t>(index - 1);
    }

    std::vector<Reference> objects_;
};

}  // namespace runtime
