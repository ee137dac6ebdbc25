#pragma once

#include "runtime/base/error.h"

#include <memory>
#include <vector>

namespace runtime {

// An ordered collection of shared object references, numbered from 1: a caller that
// takes an item out holds a further reference to the same object.
template <typename Object>
class Collection {
public:
    using Reference = std::shared_ptr<Object>;

    void add(Reference object) { objects_.push_back(std::move(object)); }

    const Reference& item(long long index) const { return objects_.at(checked(index)); }

    void remove(long long index) { objects_.erase(objects_.begin() + checked(index)); }

    long long count() const { return static_cast<long long>(objects_.size()); }

    auto begin() const { return objects_.begin(); }
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
