#include "shell/channel_grids.h"

#include <QTableWidget>

// Placeholder grids until the grid display and editing are built: three named tables.
ChannelGrids::ChannelGrids(QWidget *pane) : QObject(pane), pane_(pane)
{
    for (int i = 0; i < 3; ++i) {
        auto *t = new QTableWidget(pane);
        t->setObjectName(QStringLiteral("MSFlexGrid1(%1)").arg(i));
        grids_[i] = t;
    }
}

ChannelGrids::~ChannelGrids() = default;

QWidget *ChannelGrids::Grid(int index) const { return index >= 0 && index < 3 ? grids_[index] : nullptr; }

void ChannelGrids::InitShowListContent() {}
void ChannelGrids::LoadShowList() {}
void ChannelGrids::ShowListByData() {}
void ChannelGrids::ReShowListByData() {}
void ChannelGrids::ReShowRadioListByData() {}
void ChannelGrids::ReShowGrid(int, int, int) {}
void ChannelGrids::SaveOldData() {}
void ChannelGrids::SaveOldGridData() {}
void ChannelGrids::MSFlexGrid1_DblClick(int) {}
