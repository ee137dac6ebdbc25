// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/base/text.h"

// One person's name. Both parts are kept in proper case, whatever the caller assigns:
// "SMITH" is stored as "Smith", "mary ann" as "Mary Ann".
class onename {
public:
    onename() = default;

    // The data file line: last name, one space, first name ("Smith John").
    runtime::Text fileformat() const { return lastname_ + u' ' + firstname_; }
    // Last name, comma, first name, no spaces ("Smith,John"): how search results show.
    runtime::Text lastfirst() const { return lastname_ + u',' + firstname_; }
    // First name, comma, last name, no spaces ("John,Smith").
    runtime::Text firstfirst() const { return firstname_ + u',' + lastname_; }

    runtime::Text lastname() const { return lastname_; }
    void setLastname(const runtime::Text& vData);
    runtime::Text firstname() const { return firstname_; }
    void setFirstname(const runtime::Text& vData);

private:
    // Names a list keeps, already in proper case, taken as they are.
    friend class names;
    onename(const runtime::Text& lastname, const runtime::Text& firstname) : firstname_(firstname), lastname_(lastname) {}

    runtime::Text firstname_;
    runtime::Text lastname_;
};
