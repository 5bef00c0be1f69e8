#pragma once

#include <functional>
#include <map>

class QAction;
class QMenuBar;

// Builds the menu bar from the menu and accelerator tables, keeping only the
// items that have a handler. Returns the action of each command id.
std::map<int, QAction*> BuildMainMenu(QMenuBar& bar, const std::function<bool(int)>& hasHandler,
                                      const std::function<void(int)>& dispatch);
