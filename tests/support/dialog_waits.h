#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTest>

namespace vt::testing {

inline constexpr int kDialogWaitMs = 10000;

// The visible top-level window (or a child of one) of type T named `name`, once it shows.
template <typename T>
T* WaitForTopLevel(const QString& name) {
    T* found = nullptr;
    (void)QTest::qWaitFor(
        [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* t = qobject_cast<T*>(w); t && t->objectName() == name && t->isVisible())
                    found = t;
            if (!found)
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (T* t = w->findChild<T*>(name); t && t->isVisible()) found = t;
            return found != nullptr;
        },
        kDialogWaitMs);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

// Chooses `path` in the save dialog `name` and waits for the file.
inline void SaveThrough(const QString& name, const QString& path) {
    auto* dialog = WaitForTopLevel<QFileDialog>(name);
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own accept() is protected
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, kDialogWaitMs));
}

}  // namespace vt::testing
