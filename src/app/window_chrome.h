#pragma once
// The main window's own commands: hiding into the tray and back, the order
// menu over a list, copying an order number.

#include "app/program.h"

namespace tesmira {

enum class ListRole { pending, rated };

// Before login the window cannot be hidden.
void minimizeToTray(Program& program);
void restoreFromTray(Program& program);
// True when the order menu is to open over `list`: it has selected rows; the
// list is then the one a row command acts on.
bool showOrderMenu(Program& program, ListRole list);
void copyOrderNumber(Program& program);

}  // namespace tesmira
