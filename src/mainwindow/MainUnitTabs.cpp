// The five task tabs of the main window and the home tab's quick-create buttons.
#include "mainwindow/MainUnit.h"

#include "data/DataUnit.h"

void TMainForm::buildTaskTabs() {}

void TMainForm::resfgriddata(int stype, int tasktype)
{
    TRowSet *rs = m_ctx.data->rowSetForKind(tasktype);
    if (!rs)
        return;
    rs->Close();
    rs->SetSQL(Statements::TabList(stype, tasktype));
    rs->Open();
}
