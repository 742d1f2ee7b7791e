#pragma once
#include "ovTestSupport.h"
#include "platform/ui/ovMessageBox.h"

#include <memory>

class TMainFrm;

namespace ovtest {

// Base fixture for form tests: a temporary executable folder, message boxes
// answered from a script and recorded, a fixed random seed.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the program's windows over the temporary folder, in the order
    // start-up does.
    TMainFrm& MakeMain();
    std::vector<ov::ShownMessage>& Shown() { return ov::MessageBox::Shown(); }
    void Answer(ov::MsgResult r) { ov::MessageBox::QueueAnswer(r); }
    // Texts of the boxes shown so far, in order.
    std::vector<std::string> ShownTexts() const;

    std::unique_ptr<TempExeFolder> exe;
    TMainFrm* main = nullptr; // MainFrm while the forms exist
};

} // namespace ovtest
