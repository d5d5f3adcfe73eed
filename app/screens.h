// Every screen of the program, created once at start-up and destroyed at exit.
#pragma once

// Creates the screens in their fixed order, the main window first, all hidden.
void createScreens();
// Destroys them in the reverse order.
void destroyScreens();
