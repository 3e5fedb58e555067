#pragma once
// What every window and action of one running program shares: the start-up
// variables, the clock, the data module and the active task list.
#include "mainwindow/MainConfig.h"

class IClock;
class TDataModule1;
class TActiveTaskList;

struct TAppContext {
    TMainVars vars;
    IClock *clock = nullptr;
    TDataModule1 *data = nullptr;
    TActiveTaskList *activeList = nullptr;
};
