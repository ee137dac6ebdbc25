// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QDesignerCustomWidgetCollectionInterface>
#include <QObject>

// The form designer's plugin: every registered control class whose library a host would
// load, in the widget box group "Desktop Suite". A class whose library would be refused
// is left out and reported once on standard error, naming the library and why; its
// library is never loaded. The catalogue is read once, when the designer loads the
// plugin.
class SuiteControls : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit SuiteControls(QObject* parent = nullptr);

    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return entries_; }

private:
    QList<QDesignerCustomWidgetInterface*> entries_;
};
