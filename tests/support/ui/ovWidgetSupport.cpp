#include "ui/ovWidgetSupport.h"
#include "app/ui/ovForms.h"
#include "app/ui/ovMain.h"

#include <cstdlib>

namespace ovtest {

void FormTest::SetUp()
{
    exe = std::make_unique<TempExeFolder>();
    ov::MessageBox::SetScripted(true);
    ov::MessageBox::Reset();
    std::srand(1234);
}

void FormTest::TearDown()
{
    DestroyForms();
    main = nullptr;
    ov::MessageBox::Reset();
    exe.reset();
}

TMainFrm& FormTest::MakeMain()
{
    CreateForms();
    main = MainFrm;
    std::srand(1234);
    return *main;
}

std::vector<std::string> FormTest::ShownTexts() const
{
    std::vector<std::string> texts;
    for (const auto& m : ov::MessageBox::Shown()) texts.push_back(m.text);
    return texts;
}

} // namespace ovtest
