#pragma once
#include "testsupport.h"
#include "platform/ui/messagebox.h"

#include <memory>

class MainWindow;

namespace ovtest {

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

    std::unique_ptr<TempExeFolder> exe;
    MainWindow* main = nullptr; // mainWindow while the windows exist
};

} // namespace ovtest
