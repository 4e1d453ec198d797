#pragma once
// STAND-IN until the data files land on main: only the new-data-set command the model dialog
// calls. On merge, take the real file.

// A new default data set for the current model and band plan, then the main window redrawn.
void NewDataFile();
