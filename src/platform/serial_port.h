#pragma once
// The radio's serial line over QSerialPort, and the table that maps the port
// numbers COM1..COM12 of the port setup to Linux devices.

#include "link/comm_port.h"

#include <QString>

inline constexpr int kPortCount = 12;

// The device of port number portNo (1..12): COM1..COM8 are /dev/ttyUSB0..7
// (the usual programming cable, covered by the start-up scan), COM9 and COM10
// /dev/ttyACM0 and 1, COM11 and COM12 /dev/ttyS0 and 1. Empty outside 1..12.
QString PortDevice(int portNo);
// Puts another device in the place of a port (tests put pseudo-terminals there).
void SetPortDevice(int portNo, const QString& device);
// Restores the fixed table.
void ResetPortDevices();

// Makes every CreateCommPort() a serial-device port.
class SerialPortFactory final : public CommPortFactory {
public:
    std::unique_ptr<CommPort> createPort() override;
};
