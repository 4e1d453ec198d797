#pragma once
// Fills the hooks through which start-up and the main window reach the print-out. The program
// calls it before start-up; tests call it after ResetHooks().

void RegisterPrintHooks();
