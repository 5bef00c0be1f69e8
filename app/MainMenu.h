#pragma once

#include <QKeySequence>
#include <QList>

#include <functional>
#include <map>

class QAction;
class QMenuBar;

// The keys that produce an accelerator's control character: Ctrl with its
// letter, Shift or not. Nothing for a character no letter gives.
QList<QKeySequence> AcceleratorKeys(char character);

// Builds the menu bar from the menu table, keeping only the items that have a
// handler. Returns the action of each command id.
std::map<int, QAction*> BuildMainMenu(QMenuBar& bar, const std::function<bool(int)>& hasHandler,
                                      const std::function<void(int)>& dispatch);
