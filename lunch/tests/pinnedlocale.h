#pragma once

#include <QLocale>

// Makes one locale the default for the life of the object, so that money is formatted
// the same on every machine, and puts the previous default back afterwards.
class PinnedLocale {
public:
    explicit PinnedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~PinnedLocale() { QLocale::setDefault(previous_); }
    PinnedLocale(const PinnedLocale&) = delete;
    PinnedLocale& operator=(const PinnedLocale&) = delete;

private:
    QLocale previous_;
};
