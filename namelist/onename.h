#pragma once

#include "runtime/base/text.h"

using runtime::Text;

// One person's name. Both parts are kept in proper case, whatever the caller assigns:
// "SMITH" is stored as "Smith", "mary ann" as "Mary Ann".
class onename {
public:
    // The data file line: last name, one space, first name ("Smith John").
    Text fileformat() const { return lastname_ + u' ' + firstname_; }
    // Last name, comma, first name, no spaces ("Smith,John"): how search results show.
    Text lastfirst() const { return lastname_ + u',' + firstname_; }
    // First name, comma, last name, no spaces ("John,Smith").
    Text firstfirst() const { return firstname_ + u',' + lastname_; }

    Text lastname() const { return lastname_; }
    void setLastname(const Text& vData);
    Text firstname() const { return firstname_; }
    void setFirstname(const Text& vData);

private:
    Text firstname_;
    Text lastname_;
};
