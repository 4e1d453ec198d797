#pragma once
// The serial ports the system lists, as the port dialogs and start-up use them, and the link
// settings in "mysetup.ini". A port is shown as "COM" followed by its number, with the device path
// as the entry's tool tip (numbering: platform/serial_port_list.h).

#include <QString>
#include <cstdint>

class QComboBox;

// Empties the list and adds one entry per listed port, in list order, each with its device path
// as tool tip; afterwards nothing is selected and no change of selection has been signalled.
// Returns the number of the first port, 0 when none is listed.
int16_t FillComPortList(QComboBox *list);
// True when some listed port has this number.
bool IsComPortListed(int portNumber);
// The number of the first listed port, 0 when none is.
int16_t FirstComPort();
// The port number of a list entry: the text after its first three characters ("COM12" -> 12);
// 0 when that is not a number.
int16_t PortNumberOfEntry(const QString &entry);

// "language/mysetup.ini" in the program folder.
QString MySetupPath();
// Writes ComPort, LinkHandshaking and LinkStopBits to section "language" of "mysetup.ini" as
// keys "comPort", "Handshaking" and "StopBit", in this order. A failure is not reported.
void SaveLinkSettings();
