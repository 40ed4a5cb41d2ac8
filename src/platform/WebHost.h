#pragma once
#include <cstdint>
#include <string>

// The browser's side of the host, in the web build only (see WebHost.cpp and
// the page tools/web/index.html).

// Gives the browser control until an input event arrives or `milliseconds`
// have passed: the main loop's wait, where a hidden page's save may run.
void WebWaitForEvent(uint32_t milliseconds);

// Opens `relativeUrl` (relative to the game's page) in a new tab.
bool WebOpenPage(const std::string& relativeUrl);
