// STAND-IN until the data files land on main: names the data as new and redraws, without
// building the default data. On merge, take the real file.
#include "data/data_file.h"

#include "data/app_state.h"
#include "data/hooks.h"

void NewDataFile()
{
    State().CurFileName = QStringLiteral("new.dat");
    State().FileUntitled = true;
    CallHook(Hooks().ReShowListByData);
    CallHook(Hooks().ReShowRadioListByData);
}
