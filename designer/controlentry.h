// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "controlclasstype.h"
#include "runtime/components/catalogue_p.h"

#include <QDesignerCustomWidgetInterface>
#include <QObject>

#include <optional>

// One registered control class in the form designer's widget box: its toolbox picture as
// icon, its library's description as tool tip, its design-time properties as the widget's
// own, made by class identifier through the runtime. All of it comes from the catalogue's
// type information but the design size, which domXml() gives a new form's control: that
// takes one control, made once.
class ControlEntry : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    ControlEntry(const runtime::components::ClassInfo& type, QObject* parent);

    QString name() const override { return className_; }
    QString group() const override;
    QString toolTip() const override { return type_.description; }
    QString whatsThis() const override { return type_.description; }
    QString includeFile() const override;
    QIcon icon() const override { return icon_; }
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return initialized_; }
    // A form designer hands over its core; a form loader, if it calls this at all, none.
    void initialize(QDesignerFormEditorInterface* designer) override
    {
        initialized_ = true;
        inDesigner_ = designer != nullptr;
    }
    QString domXml() const override;

private:
    QSize designSize() const;

    runtime::components::ClassInfo type_;
    QString className_;
    ControlClassType classType_;
    QIcon icon_;
    bool initialized_ = false;
    bool inDesigner_ = false;
    mutable std::optional<QSize> designSize_;
};
