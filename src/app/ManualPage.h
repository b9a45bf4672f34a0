#pragma once

#include <string>

// `txtManual`: the whole manual in English as an HTML 4.0 page, ASCII, with CR LF line ends.
const std::string& txtManual();

// The manual in the user's language, as txtManual() is in English; letters outside ASCII are
// written as numeric character references. The editor writes it to Manual.htm and opens it in
// the desktop's browser.
std::string shownManual();
