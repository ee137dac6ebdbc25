// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "runtime/forms/form.h"
#include "runtime/forms/label.h"
#include "runtime/forms/menuitem.h"
#include "runtime/forms/picture.h"

#include <array>
#include <cassert>

class application;

// A menu item array numbered as its design numbers it, from First to Last.
template <int First, int Last>
class MenuItemArray {
public:
    runtime::MenuItem& operator[](int index)
    {
        assert(index >= First && index <= Last);
        return items_[static_cast<std::size_t>(index - First)];
    }

private:
    std::array<runtime::MenuItem, Last - First + 1> items_;
};

// The main window of the grade book application: the logo, the slogan and the menu bar.
// Four menu commands act: File > New, Edit > Preferences, Help > About and File > Exit.
// Every other item is there with its caption, access key and shortcut, and does nothing.
// The main window keeps no data; when it goes away, the whole program ends with it,
// hidden windows included.
class start : public runtime::Form {
public:
    explicit start(application& app);

    // The controls are public, as every form's controls are, so that tests can drive them.
    runtime::Label Label1;
    runtime::Picture Image1;

    runtime::MenuItem filemn;
    runtime::MenuItem filenewmn;
    runtime::MenuItem fileopenmn;
    runtime::MenuItem filesavemn;
    runtime::MenuItem filesaveasmn;
    runtime::MenuItem filearchmn;
    runtime::MenuItem sep1;
    runtime::MenuItem fileprintsetmn;
    runtime::MenuItem fileprintmn;
    runtime::MenuItem sep2;
    MenuItemArray<1, 3> recent;  // room for recently used grade books; nothing fills it
    runtime::MenuItem sep3;
    runtime::MenuItem fileexitmn;
    runtime::MenuItem editmn;
    runtime::MenuItem editclsmn;
    runtime::MenuItem editasgmn;
    runtime::MenuItem editstudmn;
    runtime::MenuItem editgrdmn;
    runtime::MenuItem editprefs;
    runtime::MenuItem reportsmn;
    runtime::MenuItem helpmn;
    runtime::MenuItem helpaboutmn;

private:
    void filenewmn_Click();
    void editprefs_Click();
    void fileexitmn_Click();
    void helpaboutmn_Click();
    void Form_Terminate() override;

    application& app_;
};
