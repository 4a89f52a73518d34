#pragma once

#include <QString>

inline constexpr int kBreederDataLength = 40;

// The breeder's own name and address, printed in the certificate's head.
struct BreederData
{
    QString firstName;
    QString lastName;
    QString street;
    QString postcodeCity;
    QString phone;
    QString breederNumber;
    QString clubNumber;

    bool operator==(const BreederData&) const = default;
};
