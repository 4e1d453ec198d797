// The port list's combo-box filler, apart from the rest of com_port_list.h because it is the one
// part that needs widgets: it belongs to the link's windows.
#include <QComboBox>
#include <QSignalBlocker>

#include "link/com_port_list.h"
#include "platform/serial_port_list.h"

int16_t FillComPortList(QComboBox *list)
{
    if (!list)
        return 0;
    const QList<SerialPortEntry> ports = ListSerialPorts();
    // Filling must not count as a pick: a combo box selects its first item by itself.
    const QSignalBlocker block(list);
    list->clear();
    for (const SerialPortEntry &p : ports) {
        list->addItem(QStringLiteral("COM%1").arg(p.number));
        list->setItemData(list->count() - 1, p.devicePath, Qt::ToolTipRole);
    }
    list->setCurrentIndex(-1);
    return ports.isEmpty() ? int16_t(0) : static_cast<int16_t>(ports.first().number);
}
