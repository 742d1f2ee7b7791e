#pragma once
#include "testsupport.h"
#include "platform/intervaltimer.h"
#include "platform/ui/messagebox.h"

#include <QAction>
#include <QTabWidget>
#include <memory>
#include <stdexcept>
#include <string>

class MainWindow;

namespace ovtest {

// A control found the way a screen reader or an end-to-end test finds it:
// by object name (or, with an empty name, by type) below root. A missing one
// fails the test and the throw ends it there (inside a dialog's seam too,
// where the handler's error boundary catches it) instead of crashing on a
// null pointer.
template <typename T> T* Child(const QObject* root, const QString& name = {})
{
    T* found = root ? root->findChild<T*>(name) : nullptr;
    if (!found) {
        const std::string what =
            std::string("no ") + T::staticMetaObject.className() + " '" + name.toStdString() + "'";
        ADD_FAILURE() << what;
        throw std::runtime_error(what);
    }
    return found;
}

// Base fixture for window tests: a temporary executable folder, message boxes
// answered from a script and recorded, a fixed random seed.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the program's windows over the temporary folder, in the order
    // start-up does.
    MainWindow& MakeMain();
    std::vector<ov::ShownMessage>& Shown() { return ov::MessageBox::Shown(); }
    void Answer(ov::MsgResult r) { ov::MessageBox::QueueAnswer(r); }
    // Texts of the boxes shown so far, in order.
    std::vector<std::string> ShownTexts() const;
    // A tick changed and changed back, as a user's two clicks: the lists
    // are as they were, the Messages page holds an unsaved change.
    void MarkMessagesChanged();

    // Controls of the main window, by object name.
    template <typename T> T* Find(const QString& name = {}) const { return Child<T>(main, name); }
    ov::IntervalTimer* DisplayTimer() const { return Find<ov::IntervalTimer>(QStringLiteral("displayTimer")); }
    ov::IntervalTimer* HideTimer() const { return Find<ov::IntervalTimer>(QStringLiteral("hideTimer")); }
    ov::IntervalTimer* PreviewTimer() const { return Find<ov::IntervalTimer>(QStringLiteral("previewTimer")); }
    QAction* PauseAction() const { return Find<QAction>(QStringLiteral("pauseAction")); }
    QAction* SettingsAction() const { return Find<QAction>(QStringLiteral("settingsAction")); }
    QAction* ExitAction() const { return Find<QAction>(QStringLiteral("exitAction")); }
    QTabWidget* Pages() const { return Find<QTabWidget>(QStringLiteral("pages")); }

    std::unique_ptr<TempExeFolder> exe;
    MainWindow* main = nullptr; // mainWindow while the windows exist
};

} // namespace ovtest
