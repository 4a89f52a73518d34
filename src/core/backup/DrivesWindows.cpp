#include "core/backup/Drives.h"

#include <windows.h>
#include <winioctl.h>

#include <vector>

#include <QCoreApplication>

namespace {

// A fixed disk counts as external when it hangs on a bus for plugging in.
bool onExternalBus(QChar letter)
{
    const std::wstring device = QStringLiteral("\\\\.\\%1:").arg(letter).toStdWString();
    const HANDLE disk
        = CreateFileW(device.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (disk == INVALID_HANDLE_VALUE)
        return false;
    STORAGE_PROPERTY_QUERY query {};
    query.PropertyId = StorageDeviceProperty;
    query.QueryType = PropertyStandardQuery;
    std::vector<char> answer(1024);
    DWORD returned = 0;
    bool external = false;
    if (DeviceIoControl(disk, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, answer.data(), DWORD(answer.size()),
                        &returned, nullptr)
        && returned >= sizeof(STORAGE_DEVICE_DESCRIPTOR)) {
        const auto* descriptor = reinterpret_cast<const STORAGE_DEVICE_DESCRIPTOR*>(answer.data());
        external = descriptor->RemovableMedia || descriptor->BusType == BusTypeUsb || descriptor->BusType == BusType1394
            || descriptor->BusType == BusTypeSd || descriptor->BusType == BusTypeMmc;
    }
    CloseHandle(disk);
    return external;
}

} // namespace

namespace Drives {

QList<Drive> systemDrives()
{
    QList<Drive> drives;
    const DWORD letters = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(letters & (1U << i)))
            continue;
        const QChar letter(QLatin1Char(char('A' + i)));
        const std::wstring root = QStringLiteral("%1:\\").arg(letter).toStdWString();
        const UINT type = GetDriveTypeW(root.c_str());
        if (type != DRIVE_REMOVABLE && !(type == DRIVE_FIXED && onExternalBus(letter)))
            continue;
        wchar_t label[MAX_PATH + 1] = {};
        DWORD flags = 0;
        if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, &flags, nullptr, 0))
            continue; // a card reader without a card
        drives.append({QStringLiteral("%1:/").arg(letter), QStringLiteral("%1:").arg(letter),
                       (flags & FILE_READ_ONLY_VOLUME) != 0, QString::fromWCharArray(label)});
    }
    return drives;
}

QString describe(const Drive& drive)
{
    return drive.name + (drive.label.isEmpty() ? QString() : QLatin1Char(' ') + drive.label)
        + (drive.readOnly ? QCoreApplication::translate("Drives", " (schreibgeschützt)") : QString());
}

} // namespace Drives
