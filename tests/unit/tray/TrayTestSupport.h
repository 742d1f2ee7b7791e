#pragma once
#include <gtest/gtest.h>
#include <memory>
#include "FakeTrayShell.h"

// A tray icon over a recording shell, with every mouse event written into
// the same log as the shell's calls, so tests read one ordered story.
class TrayTest : public ::testing::Test {
protected:
    FakeTrayShell shell;
    std::unique_ptr<ov::TCoolTrayIcon> tray = std::make_unique<ov::TCoolTrayIcon>(shell);

    static std::string Btn(ov::TMouseButton b)
    {
        return b == ov::TMouseButton::mbLeft ? "L" : b == ov::TMouseButton::mbRight ? "R" : "M";
    }

    void LogMouseEvents()
    {
        auto& log = shell.log;
        tray->OnClick = [&log](ov::TCoolTrayIcon&) { log.push_back("click"); };
        tray->OnMouseDown = [&log](ov::TCoolTrayIcon&, ov::TMouseButton b, ov::TShiftState, int x, int y) {
            log.push_back("down " + Btn(b) + " " + std::to_string(x) + "," + std::to_string(y));
        };
        tray->OnMouseUp = [&log](ov::TCoolTrayIcon&, ov::TMouseButton b, ov::TShiftState, int, int) {
            log.push_back("up " + Btn(b));
        };
        tray->OnMouseMove = [&log](ov::TCoolTrayIcon&, ov::TShiftState, int x, int y) {
            log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
        };
        tray->OnMouseEnter = [&log](ov::TCoolTrayIcon&) { log.push_back("enter"); };
        tray->OnMouseExit = [&log](ov::TCoolTrayIcon&) { log.push_back("exit"); };
    }
    void LogDoubleClicks()
    {
        tray->OnDblClick = [this](ov::TCoolTrayIcon&) { shell.log.push_back("dblclick"); };
    }

    void Send(unsigned code) { ov::TTrayIconHandler::Callback(tray->InstanceId(), code); }
    std::vector<std::string> Take()
    {
        std::vector<std::string> out;
        out.swap(shell.log);
        return out;
    }
};

using Log = std::vector<std::string>;
