#pragma once
// Fills the hooks through which the start-up, the main window and the radio link reach the
// channel, settings and tone editors. The program calls it before start-up; tests call it after
// ResetHooks().

void RegisterEditorHooks();
