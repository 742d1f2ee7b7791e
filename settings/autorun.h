#pragma once
#include <functional>
#include <string>

namespace ov {

// Receives the text of a warning; the caller shows it in a warning box.
using AutoRunWarn = std::function<void(const std::string&)>;

// The per-user autostart entry of this executable:
// $XDG_CONFIG_HOME/autostart/<executable name in lower case>.desktop.
std::string AutoRunFolder();
std::string AutoRunEntryPath();

// True when the entry exists, is enabled and starts this executable.
// An entry that cannot be read or understood is reported through warn and
// counts as not set.
bool IsAutoRunSet(const AutoRunWarn& warn);

// on: writes the entry unless it is already set; off: removes it.
// Failures are reported through warn, never to the caller.
void SetAutoRun(bool on, const AutoRunWarn& warn);

// The text of the entry for an executable, and the Exec value it holds.
std::string AutoRunEntryText(const std::string& exePath);
std::string DesktopExecQuote(const std::string& path);

} // namespace ov
