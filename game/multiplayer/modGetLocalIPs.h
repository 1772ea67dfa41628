#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

// The computer's own IPv4 addresses, for the host to choose the one it listens on. The socket
// library needs no start or release here.
namespace modGetLocalIPs {

// The IPv4 addresses hostName resolves to, in the resolver's order, dotted decimal without
// leading zeros; none when it does not resolve.
QStringList HostAddresses(const QString& hostName);
// Empties the list and fills it with the addresses of this computer's own host name.
void FillLocalIPList(QComboBox& list);

} // namespace modGetLocalIPs
