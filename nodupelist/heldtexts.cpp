// SPDX-License-Identifier: LGPL-2.1-or-later
#include "heldtexts.h"

#include <QHashFunctions>

namespace {

// Small enough to cost nothing for a short list, large enough to skip the first doublings.
constexpr std::size_t initialPlaces = 64;

}  // namespace

bool HeldTexts::insert(const QString& text)
{
    growIfFull();
    const std::size_t hash = hashOf(text);
    const std::size_t place = placeOf(text, hash);
    if (places_[place] != freePlace)
        return false;
    held_.push_back({text, hash});
    places_[place] = static_cast<Place>(held_.size());
    return true;
}

// No text was added after the last one, so no probe sequence passes over its place on
// the way to another text: freeing the place loses nothing.
void HeldTexts::removeLast()
{
    const Place last = static_cast<Place>(held_.size());
    std::size_t place = firstPlace(held_.back().hash);
    while (places_[place] != last)
        place = nextPlace(place);
    places_[place] = freePlace;
    held_.pop_back();
}

// Qt's own seeded hash of the characters, the one QHash uses: with the processor's AES
// instructions where it has them. (std::hash<QString> passes a seed of 0, which takes
// Qt's much slower portable hash.)
std::size_t HeldTexts::hashOf(const QString& text)
{
    return qHash(QStringView(text), QHashSeed::globalSeed());
}

std::size_t HeldTexts::placeOf(const QString& text, std::size_t hash) const
{
    std::size_t place = firstPlace(hash);
    for (; places_[place] != freePlace; place = nextPlace(place)) {
        const Held& held = held_[places_[place] - 1];
        // The kept hash settles almost every unequal text without reading its characters.
        if (held.hash == hash && held.text == text)
            break;
    }
    return place;
}

std::size_t HeldTexts::freePlaceFor(std::size_t hash) const
{
    std::size_t place = firstPlace(hash);
    while (places_[place] != freePlace)
        place = nextPlace(place);
    return place;
}

// Keeps at least half of the places free, so that probe sequences stay short and a free
// place always ends them.
void HeldTexts::growIfFull()
{
    if (2 * (held_.size() + 1) <= places_.size())
        return;
    places_.assign(places_.empty() ? initialPlaces : 2 * places_.size(), freePlace);
    for (std::size_t number = 0; number < held_.size(); ++number)
        places_[freePlaceFor(held_[number].hash)] = static_cast<Place>(number + 1);
}
