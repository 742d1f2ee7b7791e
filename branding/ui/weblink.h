#pragma once
#include <string>

class QWidget;

namespace ov {

// Opens a web page of the branding record in the desktop's browser. Without
// a configured connection, with an address that is not a web address, or
// without a browser, the reason is shown over `parent` and nothing opens.
void OpenWebPage(const std::string& address, QWidget* parent);

} // namespace ov
