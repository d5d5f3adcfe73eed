// Every screen of the program in one table: its class, its place in the
// creation order and the main window's item that opens it. Creation,
// destruction and the main window's items all come from the table, and the
// screens are wired to each other here and nowhere else.
//
// The main window and the settings screen are made at start-up; every other
// screen is made the first time it is opened and then lives, hidden when
// closed, until the program ends. Made all at start, the screens would cost
// the program at rest more memory than its budget allows, for windows most
// runs never open.
#pragma once

#include "context.h"

#include <functional>
#include <vector>

class QWidget;

namespace screens {

enum class Opening {
    None,   // opened by the program itself
    Show,   // shown non-modally, or brought to the front
    Modal,  // shown modally
    Solid,  // the other solid screens are closed first, then it is shown
};

struct Row {
    const char *className;
    // Creates the single instance (the global FormN) and returns it.
    std::function<QWidget *(const calc::Context &)> create;
    // Destroys it and clears the global.
    std::function<void()> destroy;
    std::function<QWidget *()> instance;
    const char *item;  // the item that opens the screen ("RzGroup1Items5"), or null
    Opening opening;
    bool atStart;  // made at start-up rather than when first opened
};

// In creation order, the main window first.
const std::vector<Row> &table();

// An item of the main window that opens no screen.
struct ItemAction {
    const char *item;
    std::function<void(const calc::Context &)> run;
};
const std::vector<ItemAction> &itemActions();

// The row's screen, made now if it has not been.
QWidget *screen(const Row &row);
// Makes every screen that has not been made, in the table's order.
void createAll();

// Opens what an item of the main window opens.
void openItem(const QString &item);

// False when the last save of the settings could not write the file.
bool lastSaveSucceeded();

}  // namespace screens

// Creates the screens of start-up, hidden, and wires the screens together
// with `context`, which must outlive them.
void createScreens(const calc::Context &context = calc::Context::standard());
// Destroys them in the reverse order.
void destroyScreens();
