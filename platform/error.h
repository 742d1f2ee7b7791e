#pragma once
#include <stdexcept>
#include <string>

namespace ov {

// A file or conversion failure carrying the text the user sees. Operations
// throw it; the error boundary around every event handler shows it in the
// error box and the program carries on.
class OvError : public std::runtime_error {
public:
    explicit OvError(const std::string& message) : std::runtime_error(message) {}
};

// printf-style formatting for the user-facing texts ("Cannot open file ...").
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

} // namespace ov
