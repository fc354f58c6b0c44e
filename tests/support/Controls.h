#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QObject>
#include <QString>
#include <QWidget>

namespace kestrel::test {

// A control under `parent` by its object name; a test that asks for one that is not there fails.
template <typename T = QWidget>
T* findControl(const QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << "no control " << name.toStdString();
    return found;
}

// The text of a label under `parent`.
inline QString labelText(const QObject* parent, const QString& name) {
    return findControl<QLabel>(parent, name)->text();
}

}  // namespace kestrel::test
