#pragma once

#include <string>

// `txtManual`: the whole manual as an HTML 4.0 page, ASCII, with CR LF line ends. The editor
// writes it unchanged to Manual.htm and opens it in the desktop's browser.
const std::string& txtManual();
