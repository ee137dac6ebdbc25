// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

// The texts a unique list holds, in the order they were added, with a hash table over
// them so that asking for a text costs one hash and, as a rule, one comparison.
//
// Texts are equal when they have the same 16-bit characters, as QString's == says: no
// locale, no case folding, no trimming, no normalisation.
//
// The table is open addressing with linear probing over a flat array of text numbers,
// and each text keeps its hash: a look-up touches a cache line or two instead of
// chasing a node per text, and growing the table never hashes a text again.
class HeldTexts {
public:
    // Adds `text` unless an equal text is held; whether it was added. The text's
    // characters are shared with the caller's QString, not copied.
    bool insert(const QString& text);
    // Takes back the text that the last successful insert added.
    void removeLast();

private:
    struct Held {
        QString text;
        std::size_t hash;
    };

    // An entry of the table: 0 for a free place, otherwise the text's number plus 1. A list
    // box keeps its texts behind 32-bit offsets, so it never holds 2^32 texts.
    using Place = std::uint32_t;
    static constexpr Place freePlace = 0;

    static std::size_t hashOf(const QString& text);
    // The place holding a text equal to `text` or, when none does, the free place where
    // it belongs.
    std::size_t placeOf(const QString& text, std::size_t hash) const;
    // The first free place along the probe sequence of `hash`.
    std::size_t freePlaceFor(std::size_t hash) const;
    std::size_t firstPlace(std::size_t hash) const { return hash & (places_.size() - 1); }
    std::size_t nextPlace(std::size_t place) const { return (place + 1) & (places_.size() - 1); }
    void growIfFull();

    std::vector<Held> held_;     // in the order of their addition
    std::vector<Place> places_;  // a power of two in size, at most half of it taken
};
