// The window shell: system commands, tray, menus, links, and the status bar ticker.
#include "mainwindow/MainUnit.h"

void TMainForm::buildShell() {}

void TMainForm::Timer1Timer() {}

void TMainForm::TimeroutTimerTimer() {}
