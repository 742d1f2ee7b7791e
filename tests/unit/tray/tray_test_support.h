#pragma once
#include <gtest/gtest.h>
#include <memory>
#include "fake_tray_shell.h"

// A tray icon over a recording shell, with every mouse event written into
// the same log as the shell's calls, so tests read one ordered story.
class TrayTest : public ::testing::Test {
protected:
    FakeTrayShell shell;
    std::unique_ptr<ov::TrayIcon> tray = std::make_unique<ov::TrayIcon>(shell);

    static std::string ButtonLetter(ov::TrayMouseButton b)
    {
        return b == ov::TrayMouseButton::Left ? "L" : b == ov::TrayMouseButton::Right ? "R" : "M";
    }

    void LogMouseEvents()
    {
        auto& log = shell.log;
        tray->OnClick = [&log](ov::TrayIcon&) { log.push_back("click"); };
        tray->OnMouseDown = [&log](ov::TrayIcon&, ov::TrayMouseButton b, ov::Modifiers, int x, int y) {
            log.push_back("down " + ButtonLetter(b) + " " + std::to_string(x) + "," + std::to_string(y));
        };
        tray->OnMouseUp = [&log](ov::TrayIcon&, ov::TrayMouseButton b, ov::Modifiers, int, int) {
            log.push_back("up " + ButtonLetter(b));
        };
        tray->OnMouseMove = [&log](ov::TrayIcon&, ov::Modifiers, int x, int y) {
            log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
        };
        tray->OnMouseEnter = [&log](ov::TrayIcon&) { log.push_back("enter"); };
        tray->OnMouseExit = [&log](ov::TrayIcon&) { log.push_back("exit"); };
    }
    void LogDoubleClicks()
    {
        tray->OnDblClick = [this](ov::TrayIcon&) { shell.log.push_back("dblclick"); };
    }

    void Send(unsigned code) { ov::TrayIconHandler::Callback(tray->InstanceId(), code); }
    std::vector<std::string> Take()
    {
        std::vector<std::string> out;
        out.swap(shell.log);
        return out;
    }
};

using Log = std::vector<std::string>;
