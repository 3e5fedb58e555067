// The due-task check's timer.
#include "mainwindow/MainUnit.h"

void TMainForm::setupScheduler() {}

void TMainForm::CheckTimerTimer() {}
