#include "multiplayer/modGetLocalIPs.h"

#include <QComboBox>
#include <QHostAddress>
#include <QHostInfo>

QStringList modGetLocalIPs::HostAddresses(const QString& hostName) {
    QStringList addresses;
    if (hostName.isEmpty())
        return addresses;
    for (const QHostAddress& address : QHostInfo::fromName(hostName).addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            addresses.append(QHostAddress(address.toIPv4Address()).toString());
    }
    return addresses;
}

void modGetLocalIPs::FillLocalIPList(QComboBox& list) {
    list.clear();
    list.addItems(HostAddresses(QHostInfo::localHostName().trimmed()));
}
