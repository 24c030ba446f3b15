#pragma once

#include <windows.h>

#include <string>

#include "App.h"
#include "Setup.h"

// Steps every scenario takes with the program under test.

// "WinDir" of a Windows folder that holds the rich-text control, so reports carry no alert
// unless a scenario wants one.
std::string WindowsWithControl();

// Waits for the main window. Fails the scenario when a dialog or message box shows first.
HWND MainWindowWithoutPrompts(const App& app);
HWND MainWindow(const App& app);
std::string ReportOf(HWND main);

// Closes the window like a user would and expects a clean exit.
void CloseExpectingExit0(App& app, HWND main);

HWND LocateDialog(const App& app);
// Types a tool path into the locate dialog and presses OK; returns once the dialog has gone.
void TypeToolPath(const App& app, const std::string& path);
HWND MessageBoxTitled(const App& app, const std::string& title);
// Presses a button of a message box (IDOK, IDCANCEL) and waits until the box has gone.
void Answer(HWND box, int button);
