// SPDX-License-Identifier: MIT
#pragma once

#include "ui/form/layout.hpp"

#include <QString>
#include <QWidget>

#include <stdexcept>
#include <string>
#include <typeinfo>

namespace tessaly {

// Creates the control of one layout row inside `container`, its caption in
// the student's language: the layout marks each caption with its window's
// context, which is `context` here ("frmArray").
QWidget* createControl(const Control& row, QWidget& container, const char* context);

// Creates every control of `layout` inside `client`, in the order of the rows,
// so that a later row stands above an earlier one, and stores each bound
// control in `form`. A row's container must come before it.
void buildControls(QWidget& client, const Layout& layout, const char* context,
                   const std::type_info& formType, void* form);
template <typename Form>
void buildControls(QWidget& client, const Layout& layout, const char* context, Form& form) {
    buildControls(client, layout, context, typeid(Form), &form);
}

// The control called `name` below `root`; never null for a name of the layout.
template <typename T> T* control(const QWidget& root, const std::string& name) {
    T* found = root.findChild<T*>(QString::fromStdString(name));
    if (found == nullptr) {
        throw std::logic_error("the layout has no control " + name);
    }
    return found;
}

} // namespace tessaly
