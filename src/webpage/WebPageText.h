#pragma once

#include <string>
#include <string_view>

namespace norvane {

// The HTML page that shows the world file `worldName` (a bare file name beside the page) filling
// the window, titled `title` (escaped for HTML), with a line on how to walk and a message for
// browsers without JavaScript. It loads X_ITE from the folder x_ite/ beside it and nothing else.
std::string buildWebPageText(std::string_view title, std::string_view worldName);

} // namespace norvane
