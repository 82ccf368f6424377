#pragma once

// Registers the program's images and help, compiled into the widgets library.
// Every window that shows them calls it; the first call does the work.
void loadTavelinResources();
